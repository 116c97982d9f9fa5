#pragma once
// An integer field with up and down arrows, kept within its limits.

#include <climits>

namespace skycrier {

class BoundedNumber {
public:
    BoundedNumber(int initial, int minimum = INT_MIN, int maximum = INT_MAX)
        : value_(initial), minimum_(minimum), maximum_(maximum) {}
    int value() const { return value_; }
    void setValue(int value) { value_ = value < minimum_ ? minimum_ : value > maximum_ ? maximum_ : value; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }

private:
    int value_;
    int minimum_;
    int maximum_;
};

}  // namespace skycrier
