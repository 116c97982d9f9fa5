#pragma once
// Hands a file or a web address to the desktop's default application.

#include <string>

namespace skycrier {

// Starts xdg-open (found through PATH, never through a shell) with the target
// and returns without waiting for it; the finished process is reaped in the
// background. False when xdg-open cannot be started. Whether the desktop then
// finds an application for the target is xdg-open's business.
bool openWithDefaultApplication(const std::string& target);

}  // namespace skycrier
