#pragma once
// Copies web resources into local files without holding up the main loop: the
// transfers run on a thread of the fetcher and their results come back to the
// loop as callbacks.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/event_loop.h"
#include "platform/task_scope.h"

namespace skycrier {

// libcurl waits for ever and takes any size unless told otherwise.
struct HttpLimits {
    Millis connectTimeoutMs = 15'000;
    Millis totalTimeoutMs = 60'000;
    std::size_t maxBodyBytes = 4 << 20;
};

// A cookie as a browser keeps it, to be sent with requests to the site that set it.
struct HttpCookie {
    // "example.org": that host alone; ".example.org": its subdomains as well.
    std::string domain;
    std::string path = "/";
    std::string name;
    std::string value;
    bool secure = false;  // sent over https only
    bool httpOnly = false;
    std::int64_t expiry = 0;  // seconds since 1970; 0: until the program ends
};

class HttpFetcher {  // loop thread only
public:
    // Names one fetch, for cancel().
    using FetchId = std::uint64_t;

    virtual ~HttpFetcher() = default;
    // Copies the body of an http or https resource into the file at path. The
    // stale file at path is removed before the request; the body is written
    // byte for byte to a temporary name beside it and renamed into place only
    // when complete, so a failed fetch never leaves half a body under that
    // name. done runs later on the loop: an empty string on success, else a
    // one-line reason that says what went wrong ("HTTP 404 ...", "connection
    // refused ...", "timed out ...", "certificate refused ..."). A fetch still
    // running when the fetcher goes is abandoned and its done never runs.
    virtual FetchId fetchToFile(const std::string& url, const std::string& path,
                                std::function<void(const std::string& error)> done) = 0;
    // Abandons the fetch at once, without waiting for its server: its done
    // never runs, and a transfer still under way leaves no file behind. An
    // unknown id, or one whose done has run, is ignored.
    virtual void cancel(FetchId id) = 0;
    // Sends the cookie with every later request that matches its domain and
    // path, replacing a cookie of the same name, domain and path; an expired
    // one removes that cookie. A fetcher without a cookie store lets it go.
    virtual void setCookie(const HttpCookie&) {}
};

// The fetcher on libcurl. Certificates are verified; only http and https are
// spoken, redirects included (at most 5); a status of 400 or more is a
// failure, since an error page is never the resource asked for; no cache
// serves the answer (Cache-Control and Pragma: no-cache). Transfers run side
// by side, so one slow server does not hold up another. They share one cookie
// store, in memory only: cookies given to setCookie and those the servers set.
class CurlFetcher : public HttpFetcher {
public:
    explicit CurlFetcher(EventLoop& loop, HttpLimits limits = {});
    // Stops the transfers at once, even those whose server never answers.
    ~CurlFetcher() override;
    CurlFetcher(const CurlFetcher&) = delete;
    CurlFetcher& operator=(const CurlFetcher&) = delete;

    FetchId fetchToFile(const std::string& url, const std::string& path,
                        std::function<void(const std::string& error)> done) override;
    void cancel(FetchId id) override;
    // A cookie whose fields hold control characters cannot be sent and is let go.
    void setCookie(const HttpCookie& cookie) override;

private:
    class Transfers;

    // Declared first, so it outlives the thread that posts through it.
    TaskScope tasks_;
    std::unique_ptr<Transfers> transfers_;
    FetchId lastId_ = 0;
    // The fetches whose done has not run yet, each by the flag that lets it run.
    std::map<FetchId, std::weak_ptr<bool>> pending_;
};

}  // namespace skycrier
