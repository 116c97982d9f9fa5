#pragma once
// Hands a file or a web address to the desktop's default application, and
// starts other programs the same way.

#include <string>

namespace skycrier {

// Starts xdg-open (found through PATH, never through a shell) with the target
// and returns without waiting for it; the finished process is reaped in the
// background. False when xdg-open cannot be started. Whether the desktop then
// finds an application for the target is xdg-open's business.
bool openWithDefaultApplication(const std::string& target);

// Starts the program file itself (no PATH search, no shell, no arguments) and
// returns without waiting for it; it is reaped in the background. False when
// it cannot be started.
bool launchProgram(const std::string& program);

}  // namespace skycrier
