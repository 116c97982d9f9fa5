#include "platform/system_clock.h"

#include <cmath>
#include <ctime>

#include "platform/date_time.h"

namespace skycrier {

Millis systemMonotonicMs() {
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<Millis>(ts.tv_sec) * 1000 + ts.tv_nsec / 1'000'000;
}

double systemLocalNow() {
    timespec ts{};
    ::clock_gettime(CLOCK_REALTIME, &ts);
    tm local{};
    ::localtime_r(&ts.tv_sec, &local);
    return encodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                          local.tm_sec, static_cast<int>(ts.tv_nsec / 1'000'000));
}

UtcOffsets systemUtcOffsets() {
    return UtcOffsets([](double utc) {
        const double unixDays = utc - static_cast<double>(daysFromEpoch(1970, 1, 1));
        const auto moment = static_cast<time_t>(std::llround(unixDays * 86'400.0));
        tm local{};
        if (::localtime_r(&moment, &local) == nullptr) return 0;
        return static_cast<int>(local.tm_gmtoff / 60);
    });
}

}  // namespace skycrier
