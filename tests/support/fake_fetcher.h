#pragma once
// The web for source tests: each address answers with the body it was given
// (written to the file as a real fetch does), later on the loop; an address
// given a failure fails with that reason, a silent one never answers, and any
// other address fails.

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/http_fetch.h"
#include "platform/task_scope.h"

namespace skycrier::test {

class FakeFetcher : public HttpFetcher {
public:
    explicit FakeFetcher(EventLoop& loop) : tasks_(loop) {}

    FetchId fetchToFile(const std::string& url, const std::string& path,
                        std::function<void(const std::string&)> done) override {
        urls.push_back(url);
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        const FetchId id = ++lastId_;
        auto wanted = std::make_shared<bool>(true);
        wanted_[id] = wanted;
        const auto answer = [this, wanted, done](const std::string& error) {
            tasks_.post([wanted, done, error] {
                if (*wanted) done(error);
            });
        };
        if (silent.contains(url)) return id;
        if (const auto failure = failures.find(url); failure != failures.end()) {
            answer(failure->second);
            return id;
        }
        const auto body = answers.find(url);
        if (body == answers.end()) {
            answer("Could not connect to server");
            return id;
        }
        std::ofstream(path, std::ios::binary) << body->second;
        answer("");
        return id;
    }

    void cancel(FetchId id) override {
        const auto found = wanted_.find(id);
        if (found == wanted_.end()) return;
        *found->second = false;
        wanted_.erase(found);
        ++cancelled;
    }

    std::map<std::string, std::string> answers;
    std::map<std::string, std::string> failures;
    std::set<std::string> silent;
    // Every address asked for, in order.
    std::vector<std::string> urls;
    int cancelled = 0;

private:
    TaskScope tasks_;
    FetchId lastId_ = 0;
    std::map<FetchId, std::shared_ptr<bool>> wanted_;
};

}  // namespace skycrier::test
