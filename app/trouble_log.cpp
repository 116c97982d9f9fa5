#include "app/trouble_log.h"

namespace skycrier {

void TroubleLog::update(const std::string& key, const std::string& problem, const std::string& ended) {
    const auto found = open_.find(key);
    if (problem.empty()) {
        if (found == open_.end()) return;
        open_.erase(found);
        if (!ended.empty()) tell_(ended);
        return;
    }
    if (found != open_.end() && found->second == problem) return;
    open_[key] = problem;
    tell_(problem);
}

}  // namespace skycrier
