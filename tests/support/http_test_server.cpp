#include "support/http_test_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <stdexcept>

namespace skycrier::test {
namespace {

// A socket bound to 127.0.0.1 on a port of the system's choice, and that port.
int bindLoopback(int& port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        throw std::runtime_error("cannot bind a test socket on 127.0.0.1");
    }
    port = ntohs(address.sin_port);
    return fd;
}

void sendAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR) continue;
        if (sent <= 0) return;  // the client has gone
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
}

}  // namespace

std::string httpAnswer(int status, std::string_view body, std::string_view extraHeaders) {
    return "HTTP/1.1 " + std::to_string(status) + " Scripted\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n" + std::string(extraHeaders) + "\r\n" + std::string(body);
}

HttpTestServer::HttpTestServer(std::map<std::string, std::optional<std::string>> answers)
    : answers_(std::move(answers)) {
    listenFd_ = bindLoopback(port_);
    if (::listen(listenFd_, 16) != 0 || ::pipe2(stopPipe_, O_CLOEXEC) != 0) {
        throw std::runtime_error("cannot start the test HTTP server");
    }
    thread_ = std::thread([this] { run(); });
}

HttpTestServer::~HttpTestServer() {
    [[maybe_unused]] const auto written = ::write(stopPipe_[1], "x", 1);
    thread_.join();
    ::close(listenFd_);
    ::close(stopPipe_[0]);
    ::close(stopPipe_[1]);
}

std::string HttpTestServer::url(std::string_view path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

std::vector<std::string> HttpTestServer::requests() const {
    const std::lock_guard lock(mutex_);
    return requests_;
}

bool HttpTestServer::waitForRequests(std::size_t count) const {
    std::unique_lock lock(mutex_);
    return arrived_.wait_for(lock, std::chrono::seconds(10), [&] { return requests_.size() >= count; });
}

void HttpTestServer::run() {
    for (;;) {
        pollfd fds[] = {{stopPipe_[0], POLLIN, 0}, {listenFd_, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0 && errno != EINTR) break;
        if (fds[0].revents) break;
        if (!fds[1].revents) continue;
        const int client = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client >= 0) serve(client);
    }
    for (const int client : unanswered_) ::close(client);
}

void HttpTestServer::serve(int client) {
    const auto head = readHead(client);
    if (!head) {
        ::close(client);
        return;
    }
    if (head->empty() || !std::isupper(static_cast<unsigned char>(head->front()))) {
        sendAll(client, httpAnswer(400, "not an HTTP request\n"));
        ::close(client);
        return;
    }
    {
        const std::lock_guard lock(mutex_);
        requests_.push_back(*head);
    }
    arrived_.notify_all();
    // The path lies between the method and the protocol.
    const auto start = head->find(' ') + 1;
    const auto path = head->substr(start, head->find(' ', start) - start);
    const auto found = answers_.find(path);
    if (found == answers_.end()) {
        sendAll(client, httpAnswer(404, "no such path\n"));
    } else if (!found->second) {
        unanswered_.push_back(client);
        return;
    } else {
        sendAll(client, *found->second);
    }
    ::close(client);
}

std::optional<std::string> HttpTestServer::readHead(int client) const {
    std::string head;
    char chunk[4096];
    for (;;) {
        pollfd fds[] = {{stopPipe_[0], POLLIN, 0}, {client, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0 && errno != EINTR) return std::nullopt;
        if (fds[0].revents) return std::nullopt;
        if (!fds[1].revents) continue;
        const ssize_t got = ::recv(client, chunk, sizeof chunk, 0);
        if (got <= 0) return head;
        head.append(chunk, static_cast<std::size_t>(got));
        const auto end = head.find("\r\n\r\n");
        if (end != std::string::npos) return head.substr(0, end + 2);
        // A TLS handshake starts with a binary byte and has no end of head to wait for.
        if (!std::isupper(static_cast<unsigned char>(head.front()))) return head;
    }
}

RefusingPort::RefusingPort() { fd_ = bindLoopback(port_); }

RefusingPort::~RefusingPort() { ::close(fd_); }

}  // namespace skycrier::test
