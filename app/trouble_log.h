#pragma once
// Lasting troubles with the station's devices and files (a port that is not
// there, a data file on a share not mounted yet, a console that does not
// answer): each is told once when it begins and once when it ends, however
// often it is checked meanwhile, so a station left alone for months logs two
// lines per outage instead of one per minute.
//
// Threading: the loop's thread only.

#include <functional>
#include <map>
#include <string>

namespace skycrier {

class TroubleLog {
public:
    explicit TroubleLog(std::function<void(const std::string&)> tell) : tell_(std::move(tell)) {}

    // The state of one device or file, named by key. A non-empty problem is
    // told when it is new (or reads differently from the one told before);
    // an empty one ends the trouble, told as `ended` unless that is empty.
    void update(const std::string& key, const std::string& problem, const std::string& ended);
    bool troubled(const std::string& key) const { return open_.contains(key); }

private:
    std::function<void(const std::string&)> tell_;
    std::map<std::string, std::string> open_;
};

}  // namespace skycrier
