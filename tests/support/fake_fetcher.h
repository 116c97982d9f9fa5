#pragma once
// The web for source tests: each address answers with the body it was given
// (written to the file as a real fetch does), later on the loop; any other
// address fails.

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "platform/http_fetch.h"
#include "platform/task_scope.h"

namespace skycrier::test {

class FakeFetcher : public HttpFetcher {
public:
    explicit FakeFetcher(EventLoop& loop) : tasks_(loop) {}

    void fetchToFile(const std::string& url, const std::string& path,
                     std::function<void(const std::string&)> done) override {
        urls.push_back(url);
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        const auto answer = answers.find(url);
        if (answer == answers.end()) {
            tasks_.post([done] { done("Could not connect to server"); });
            return;
        }
        std::ofstream(path, std::ios::binary) << answer->second;
        tasks_.post([done] { done(""); });
    }

    std::map<std::string, std::string> answers;
    // Every address asked for, in order.
    std::vector<std::string> urls;

private:
    TaskScope tasks_;
};

}  // namespace skycrier::test
