#include "platform/http_fetch.h"

#include <curl/curl.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace skycrier {
namespace {

constexpr long kMaxRedirects = 5;
// Only wake-ups and libcurl's own timers end the worker's wait; this bounds it anyway.
constexpr int kIdleWaitMs = 60'000;

std::string systemFailure(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

std::string tooLarge(std::size_t maxBytes) {
    return "the answer is larger than " + std::to_string(maxBytes) + " bytes";
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// libcurl asks to be set up once per process, before any other thread uses it.
const std::string& curlSetupFailure() {
    static const std::string failure = [] {
        const CURLcode code = curl_global_init(CURL_GLOBAL_DEFAULT);
        return code == CURLE_OK ? std::string() : std::string("libcurl cannot start: ") + curl_easy_strerror(code);
    }();
    return failure;
}

// The cookie as one line of the Netscape cookie file, which libcurl reads
// field by field; nothing when a field would break the line.
std::optional<std::string> netscapeLine(const HttpCookie& cookie) {
    const auto plain = [](const std::string& field) {
        return std::none_of(field.begin(), field.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7f'; });
    };
    if (cookie.name.empty() || cookie.domain.empty() || cookie.domain == "." || cookie.expiry < 0) return std::nullopt;
    for (const std::string* field : {&cookie.domain, &cookie.path, &cookie.name, &cookie.value}) {
        if (!plain(*field)) return std::nullopt;
    }
    const char* subdomainsToo = cookie.domain.front() == '.' ? "TRUE" : "FALSE";
    return std::string(cookie.httpOnly ? "#HttpOnly_" : "") + cookie.domain + '\t' + subdomainsToo + '\t' +
           (cookie.path.empty() ? "/" : cookie.path) + '\t' + (cookie.secure ? "TRUE" : "FALSE") + '\t' +
           std::to_string(cookie.expiry) + '\t' + cookie.name + '\t' + cookie.value;
}

struct Job {
    HttpFetcher::FetchId id;
    std::string url;
    std::string path;
    std::function<void(const std::string&)> done;
};

// One transfer's body on its way to the disk. A transfer that does not end
// well takes its temporary file with it.
struct Body {
    Body(std::string temporaryPath, int descriptor, std::size_t maxBytes)
        : temporary(std::move(temporaryPath)), fd(descriptor), limit(maxBytes) {}
    ~Body() {
        if (fd >= 0) ::close(fd);
        if (!temporary.empty()) ::unlink(temporary.c_str());
    }
    Body(const Body&) = delete;
    Body& operator=(const Body&) = delete;

    // Flushes the body and gives it its name; the reason when that fails.
    std::string keepAs(const std::string& path) {
        const int descriptor = std::exchange(fd, -1);
        if (::fsync(descriptor) != 0) {
            const std::string reason = systemFailure("cannot flush", temporary);
            ::close(descriptor);
            return reason;
        }
        if (::close(descriptor) != 0) return systemFailure("cannot close", temporary);
        if (::rename(temporary.c_str(), path.c_str()) != 0) {
            return systemFailure("cannot rename " + temporary + " to", path);
        }
        temporary.clear();
        return {};
    }

    std::string temporary;
    int fd;
    std::size_t limit;
    std::size_t received = 0;
    std::string failure;  // why the body was refused, when it was
};

std::size_t writeBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto& body = *static_cast<Body*>(user);
    const std::size_t bytes = size * count;
    // Any count other than `bytes` makes libcurl abort the transfer.
    if (bytes > body.limit - body.received) {
        body.failure = tooLarge(body.limit);
        return 0;
    }
    if (!writeAll(body.fd, std::string_view(data, bytes))) {
        body.failure = systemFailure("cannot write", body.temporary);
        return 0;
    }
    body.received += bytes;
    return bytes;
}

struct Transfer {
    Job job;
    std::unique_ptr<Body> body;
    char curlError[CURL_ERROR_SIZE] = {};
};

std::string httpStatusReason(long status) {
    const std::string head = "HTTP " + std::to_string(status);
    if (status == 404 || status == 410) return head + ": the server has no such page; check the address";
    if (status == 401 || status == 403) return head + ": the server refuses the page; check the address or the login";
    if (status >= 500) return head + ": the server is in trouble; the next poll asks again";
    return head + ": the server refuses the request; check the address";
}

// The host the address names, for a message; the address itself when it has none.
std::string hostOf(const std::string& url) {
    CURLU* parsed = curl_url();
    char* host = nullptr;
    std::string name = url;
    if (parsed && curl_url_set(parsed, CURLUPART_URL, url.c_str(), 0) == CURLUE_OK &&
        curl_url_get(parsed, CURLUPART_HOST, &host, 0) == CURLUE_OK)
        name = host;
    curl_free(host);
    curl_url_cleanup(parsed);
    return name;
}

std::string seconds(Millis ms) { return std::to_string((ms + 999) / 1000) + " s"; }

// Why a transfer failed, in words a user can act on, and the same words while
// the fault lasts (libcurl's own messages count the milliseconds).
std::string transferFailure(CURL* easy, CURLcode code, const Transfer& transfer, const HttpLimits& limits) {
    const std::string detail = transfer.curlError[0] ? transfer.curlError : curl_easy_strerror(code);
    switch (code) {
    case CURLE_HTTP_RETURNED_ERROR: {
        long status = 0;
        curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
        return httpStatusReason(status);
    }
    case CURLE_COULDNT_CONNECT: {
        long osError = 0;
        curl_easy_getinfo(easy, CURLINFO_OS_ERRNO, &osError);
        if (osError == ECONNREFUSED)
            return "connection refused by " + hostOf(transfer.job.url) + ": check the address and its port";
        return "cannot connect to " + hostOf(transfer.job.url) +
               (osError ? std::string(": ") + std::strerror(static_cast<int>(osError)) : std::string());
    }
    case CURLE_COULDNT_RESOLVE_HOST:
        return "host not found: " + hostOf(transfer.job.url) + "; check the address and the network";
    case CURLE_OPERATION_TIMEDOUT: {
        curl_off_t connected = 0;
        curl_easy_getinfo(easy, CURLINFO_CONNECT_TIME_T, &connected);
        if (connected == 0)
            return "timed out: no connection to " + hostOf(transfer.job.url) + " within " +
                   seconds(limits.connectTimeoutMs);
        return "timed out: " + hostOf(transfer.job.url) + " sent no whole answer within " +
               seconds(limits.totalTimeoutMs);
    }
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH: return "certificate refused: " + detail;
    case CURLE_SSL_CONNECT_ERROR: return "no secure connection: " + detail;
    default: return detail;
    }
}

}  // namespace

// The worker thread and the libcurl handles it drives. add() comes from the
// loop thread; everything else runs on the worker.
class CurlFetcher::Transfers {
public:
    Transfers(const TaskScope& tasks, const HttpLimits& limits) : tasks_(tasks), limits_(limits) {
        failure_ = curlSetupFailure();
        if (failure_.empty()) startHandles();
        headers_ = curl_slist_append(headers_, "Cache-Control: no-cache");
        headers_ = curl_slist_append(headers_, "Pragma: no-cache");
        if (failure_.empty()) thread_ = std::thread([this] { run(); });
    }

    ~Transfers() {
        if (thread_.joinable()) {
            {
                const std::lock_guard lock(mutex_);
                stopping_ = true;
            }
            curl_multi_wakeup(multi_);
            thread_.join();
        }
        if (multi_) curl_multi_cleanup(multi_);
        if (cookieEntry_) curl_easy_cleanup(cookieEntry_);
        if (cookies_) curl_share_cleanup(cookies_);
        curl_slist_free_all(headers_);
    }

    Transfers(const Transfers&) = delete;
    Transfers& operator=(const Transfers&) = delete;

    void add(Job job) {
        if (!failure_.empty()) return report(std::move(job.done), failure_);
        {
            const std::lock_guard lock(mutex_);
            queue_.push_back(std::move(job));
        }
        curl_multi_wakeup(multi_);
    }

    // The worker drops the transfer before its next step, so it sends and writes nothing more.
    void cancel(HttpFetcher::FetchId id) {
        if (!failure_.empty()) return;
        {
            const std::lock_guard lock(mutex_);
            cancelled_.push_back(id);
        }
        curl_multi_wakeup(multi_);
    }

    void addCookie(std::string line) {
        if (!failure_.empty()) return;
        {
            const std::lock_guard lock(mutex_);
            cookieLines_.push_back(std::move(line));
        }
        curl_multi_wakeup(multi_);
    }

private:
    // The transfers' cookie store is shared by all of them, and only this
    // fetcher's worker touches it, so it needs no locks. cookieEntry_ is the
    // handle through which cookies from outside go into it.
    void startHandles() {
        multi_ = curl_multi_init();
        cookies_ = curl_share_init();
        cookieEntry_ = curl_easy_init();
        if (!multi_ || !cookies_ || !cookieEntry_ ||
            curl_share_setopt(cookies_, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE) != CURLSHE_OK ||
            curl_easy_setopt(cookieEntry_, CURLOPT_SHARE, cookies_) != CURLE_OK) {
            failure_ = "libcurl cannot start: out of memory";
        }
    }

    void report(std::function<void(const std::string&)> done, const std::string& reason) const {
        tasks_.post([done = std::move(done), reason] { done(reason); });
    }

    void run() {
        for (;;) {
            std::deque<Job> jobs;
            std::vector<std::string> cookieLines;
            std::vector<HttpFetcher::FetchId> cancelled;
            {
                const std::lock_guard lock(mutex_);
                if (stopping_) break;
                jobs.swap(queue_);
                cookieLines.swap(cookieLines_);
                cancelled.swap(cancelled_);
            }
            // Cookies first: a fetch asked for after a cookie was given carries it.
            for (const std::string& line : cookieLines) {
                curl_easy_setopt(cookieEntry_, CURLOPT_COOKIELIST, line.c_str());
            }
            for (Job& job : jobs) start(std::move(job));
            for (const HttpFetcher::FetchId id : cancelled) abandon(id);
            int stillRunning = 0;
            curl_multi_perform(multi_, &stillRunning);
            collectFinished();
            curl_multi_poll(multi_, nullptr, 0, kIdleWaitMs, nullptr);
        }
        // Abandoned: their done never runs and their temporary files go.
        for (auto& [easy, transfer] : running_) release(easy);
        running_.clear();
    }

    void start(Job job) {
        auto transfer = std::make_unique<Transfer>();
        transfer->job = std::move(job);
        std::string temporary = transfer->job.path + ".part-XXXXXX";
        const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
        if (fd < 0) return end(*transfer, systemFailure("cannot create", temporary));
        transfer->body = std::make_unique<Body>(temporary, fd, limits_.maxBodyBytes);
        // mkostemp makes the file private; the fetched file is ordinary data.
        if (::fchmod(fd, 0644) != 0) return end(*transfer, systemFailure("cannot set the permissions of", temporary));
        CURL* easy = curl_easy_init();
        if (!easy) return end(*transfer, "libcurl cannot start a transfer: out of memory");
        if (!configure(easy, *transfer) || curl_multi_add_handle(multi_, easy) != CURLM_OK) {
            curl_easy_cleanup(easy);
            return end(*transfer, "libcurl refuses the transfer's settings");
        }
        running_.emplace(easy, std::move(transfer));
    }

    // The transfer goes without a word; its temporary file goes with it.
    void abandon(HttpFetcher::FetchId id) {
        const auto found = std::find_if(running_.begin(), running_.end(),
                                        [id](const auto& entry) { return entry.second->job.id == id; });
        if (found == running_.end()) return;
        release(found->first);
        running_.erase(found);
    }

    // Posts done; a temporary file still there goes first, so done never sees it.
    void end(Transfer& transfer, const std::string& reason) const {
        transfer.body.reset();
        report(std::move(transfer.job.done), reason);
    }

    bool configure(CURL* easy, Transfer& transfer) const {
        bool ok = true;
        const auto set = [&](CURLoption option, auto value) {
            ok = ok && curl_easy_setopt(easy, option, value) == CURLE_OK;
        };
        set(CURLOPT_URL, transfer.job.url.c_str());
        set(CURLOPT_PROTOCOLS_STR, "http,https");
        set(CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
        set(CURLOPT_FOLLOWLOCATION, 1L);
        set(CURLOPT_MAXREDIRS, kMaxRedirects);
        set(CURLOPT_FAILONERROR, 1L);
        set(CURLOPT_SSL_VERIFYPEER, 1L);
        set(CURLOPT_SSL_VERIFYHOST, 2L);
        set(CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits_.connectTimeoutMs));
        set(CURLOPT_TIMEOUT_MS, static_cast<long>(limits_.totalTimeoutMs));
        set(CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits_.maxBodyBytes));
        set(CURLOPT_HTTPHEADER, headers_);
        set(CURLOPT_USERAGENT, SKYCRIER_USER_AGENT);
        // Signals belong to the program, and this is not the main thread.
        set(CURLOPT_NOSIGNAL, 1L);
        // A fetcher that goes while a name is being looked up does not wait for the look-up.
        set(CURLOPT_QUICK_EXIT, 1L);
        set(CURLOPT_WRITEFUNCTION, &writeBody);
        set(CURLOPT_WRITEDATA, static_cast<void*>(transfer.body.get()));
        set(CURLOPT_ERRORBUFFER, transfer.curlError);
        set(CURLOPT_SHARE, cookies_);
        // An empty name reads no file but turns the cookie engine on.
        set(CURLOPT_COOKIEFILE, "");
        return ok;
    }

    void collectFinished() {
        int left = 0;
        while (CURLMsg* message = curl_multi_info_read(multi_, &left)) {
            if (message->msg != CURLMSG_DONE) continue;
            CURL* easy = message->easy_handle;
            const CURLcode code = message->data.result;
            const auto found = running_.find(easy);
            const std::unique_ptr<Transfer> transfer = std::move(found->second);
            running_.erase(found);
            const std::string reason = finish(easy, *transfer, code);
            release(easy);
            end(*transfer, reason);
        }
    }

    // Empty when the body is in place under its name, else the reason.
    std::string finish(CURL* easy, Transfer& transfer, CURLcode code) const {
        Body& body = *transfer.body;
        if (!body.failure.empty()) return body.failure;
        if (code == CURLE_FILESIZE_EXCEEDED) return tooLarge(limits_.maxBodyBytes);
        if (code != CURLE_OK) return transferFailure(easy, code, transfer, limits_);
        return body.keepAs(transfer.job.path);
    }

    void release(CURL* easy) {
        curl_multi_remove_handle(multi_, easy);
        curl_easy_cleanup(easy);
    }

    const TaskScope& tasks_;
    const HttpLimits limits_;
    std::string failure_;  // why no transfer can run at all
    CURLM* multi_ = nullptr;
    CURLSH* cookies_ = nullptr;
    CURL* cookieEntry_ = nullptr;
    curl_slist* headers_ = nullptr;

    std::mutex mutex_;
    std::deque<Job> queue_;
    std::vector<std::string> cookieLines_;
    std::vector<HttpFetcher::FetchId> cancelled_;
    bool stopping_ = false;

    std::map<CURL*, std::unique_ptr<Transfer>> running_;  // worker only
    std::thread thread_;
};

CurlFetcher::CurlFetcher(EventLoop& loop, HttpLimits limits)
    : tasks_(loop), transfers_(std::make_unique<Transfers>(tasks_, limits)) {}

CurlFetcher::~CurlFetcher() = default;

HttpFetcher::FetchId CurlFetcher::fetchToFile(const std::string& url, const std::string& path,
                                              std::function<void(const std::string& error)> done) {
    const FetchId id = ++lastId_;
    std::erase_if(pending_, [](const auto& entry) { return entry.second.expired(); });
    // The flag lives as long as the wrapped done; cancel() lowers it, so a
    // result already posted to the loop is dropped too.
    auto wanted = std::make_shared<bool>(true);
    pending_.emplace(id, wanted);
    auto once = [wanted, done = std::move(done)](const std::string& error) {
        if (*wanted) done(error);
    };
    // Gone before the request, so no old data remains under the name whatever happens next.
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
        tasks_.post([once = std::move(once), reason = systemFailure("cannot delete the old", path)] { once(reason); });
        return id;
    }
    transfers_->add({id, url, path, std::move(once)});
    return id;
}

void CurlFetcher::cancel(FetchId id) {
    const auto found = pending_.find(id);
    if (found == pending_.end()) return;
    if (const auto wanted = found->second.lock()) *wanted = false;
    pending_.erase(found);
    transfers_->cancel(id);
}

void CurlFetcher::setCookie(const HttpCookie& cookie) {
    if (auto line = netscapeLine(cookie)) transfers_->addCookie(std::move(*line));
}

}  // namespace skycrier
