#pragma once
// The service as systemd runs it. The notification protocol (sd_notify's,
// spoken directly: one datagram to the socket $NOTIFY_SOCKET names) tells
// the manager the service is ready, reloading or stopping, and feeds its
// watchdog; the journal's stream protocol gives each standard-error line a
// priority ("<3>" an error). Outside systemd both do nothing.

#include <optional>
#include <string>
#include <string_view>

#include "platform/event_loop.h"

namespace skycrier {

class ServiceManager {
public:
    // From NOTIFY_SOCKET, WATCHDOG_USEC, WATCHDOG_PID and JOURNAL_STREAM as this process has them.
    static ServiceManager fromEnvironment();

    // "READY=1", "RELOADING=1", "STOPPING=1", "WATCHDOG=1", "STATUS=…"; false when it was not heard.
    bool notify(std::string_view state) const;
    // How often the watchdog wants to hear from the service (half its timeout); none without a watchdog.
    std::optional<Millis> watchdogInterval() const { return watchdogInterval_; }

    // The prefix a standard-error line of that syslog priority takes: "<3>" for
    // an error when standard error is the journal's stream, else nothing.
    const char* priority(int level) const;

private:
    std::string socket_;
    std::optional<Millis> watchdogInterval_;
    bool journal_ = false;
};

// Syslog's priorities the service's lines use.
inline constexpr int kErrorPriority = 3;
inline constexpr int kWarningPriority = 4;

}  // namespace skycrier
