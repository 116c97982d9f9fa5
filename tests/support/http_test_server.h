#pragma once
// A small HTTP/1.1 server on 127.0.0.1 for tests, on a thread of its own. It
// answers each request for a scripted path with that path's bytes, sent as
// they are and followed by closing the connection; a path scripted with
// kNoAnswer is read and then never answered; other paths get a 404. Bytes that
// are not an HTTP request (a TLS handshake) get a 400. It stops when destroyed.

#include <condition_variable>
#include <cstddef>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace skycrier::test {

inline const std::optional<std::string> kNoAnswer;

// A complete answer with a Content-Length; extraHeaders are lines ending in CR LF.
std::string httpAnswer(int status, std::string_view body, std::string_view extraHeaders = {});

class HttpTestServer {
public:
    explicit HttpTestServer(std::map<std::string, std::optional<std::string>> answers);
    ~HttpTestServer();
    HttpTestServer(const HttpTestServer&) = delete;
    HttpTestServer& operator=(const HttpTestServer&) = delete;

    int port() const { return port_; }
    // "http://127.0.0.1:<port>" followed by the path.
    std::string url(std::string_view path) const;
    // The heads of the requests received so far (request line and header lines).
    std::vector<std::string> requests() const;
    // Whether count requests have arrived within a few seconds.
    bool waitForRequests(std::size_t count) const;

private:
    void run();
    void serve(int client);
    // The request head read from the client, or nothing when the server stops first.
    std::optional<std::string> readHead(int client) const;

    std::map<std::string, std::optional<std::string>> answers_;
    int listenFd_ = -1;
    int stopPipe_[2] = {-1, -1};
    int port_ = 0;
    std::vector<int> unanswered_;  // server thread only

    mutable std::mutex mutex_;
    mutable std::condition_variable arrived_;
    std::vector<std::string> requests_;

    std::thread thread_;
};

// A port on 127.0.0.1 that refuses connections: bound, never listening.
class RefusingPort {
public:
    RefusingPort();
    ~RefusingPort();
    RefusingPort(const RefusingPort&) = delete;
    RefusingPort& operator=(const RefusingPort&) = delete;

    int port() const { return port_; }

private:
    int fd_ = -1;
    int port_ = 0;
};

}  // namespace skycrier::test
