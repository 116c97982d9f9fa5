#pragma once
// A keying switch for engine tests: remembers what it was asked, answers its
// inputs as the test sets them, and refuses on demand.

#include <map>
#include <string>
#include <vector>

#include "platform/transmitter_switch.h"

namespace skycrier::test {

class FakeSwitch : public TransmitterSwitch {
public:
    bool open(std::string& error) override {
        if (!openRefusal.empty()) {
            error = openRefusal;
            return false;
        }
        ++opens;
        return open_ = true;
    }
    void close() override { open_ = keyed = false; }
    bool isOpen() const override { return open_; }
    std::string trouble() const override { return open_ ? "" : openRefusal; }
    bool setKeyed(bool on, std::string& error) override {
        asked.push_back(on ? "key" : "unkey");
        if (refusals > 0) {
            --refusals;
            error = "no answer from the rig within 2 s";
            return false;
        }
        keyed = on;
        return true;
    }
    std::optional<bool> readInput(SwitchInput input) override {
        const auto found = inputs.find(input);
        if (found == inputs.end()) return std::nullopt;
        return found->second;
    }
    void watchInputs(std::function<void()> changed) override { inputChanged = std::move(changed); }

    bool keyed = false;
    int opens = 0;
    // Every key and unkey asked for, refused ones included.
    std::vector<std::string> asked;
    // This many of the next keys or unkeys are refused.
    int refusals = 0;
    // Not empty: open() fails with it.
    std::string openRefusal;
    std::map<SwitchInput, bool> inputs;
    std::function<void()> inputChanged;

private:
    bool open_ = false;
};

}  // namespace skycrier::test
