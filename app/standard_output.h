#pragma once

// The program's printed results (usage, version, a simulation's JSON) are
// written straight to the standard output's file descriptor and checked, so
// that output which cannot be written (a full disk, a closed descriptor) is
// a failure the user hears about, not a silent success.

#include <string_view>

namespace tycora::app {

// Writes all of text to fd; 0 on success, otherwise the errno of the failure.
int writeAll(int fd, std::string_view text);

// Writes text to standard output. On failure says why on standard error
// and returns 1; otherwise returns 0.
int printResult(std::string_view text);

} // namespace tycora::app
