#pragma once
// A small vocabulary of generated clips for engine tests.

#include <deque>
#include <string>
#include <vector>

#include "announce/vocabulary.h"
#include "support/wave_bytes.h"

namespace skycrier::test {

class TestClips {
public:
    void add(const std::string& name, const std::string& wave) {
        names_.push_back(name);
        files_.push_back(wave);
    }
    // Adds a 24 000 Hz mono 16-bit clip lasting that many milliseconds.
    void addMs(const std::string& name, int milliseconds, unsigned seed = 1) {
        add(name, clipOfBytes(static_cast<std::size_t>(milliseconds) * 48, seed));
    }

    std::vector<ClipBytes> list() const {
        std::vector<ClipBytes> all;
        for (std::size_t i = 0; i < names_.size(); ++i)
            all.push_back({names_[i], {reinterpret_cast<const unsigned char*>(files_[i].data()), files_[i].size()}});
        return all;
    }

private:
    std::deque<std::string> names_;
    std::deque<std::string> files_;
};

}  // namespace skycrier::test
