#pragma once

#include <cstdint>

namespace lum {

// The four signals a task step throws to stop itself or the program. Each is
// thrown by value as SIGNAL (0) and is not part of the Exception family, so no
// handler of failures takes one for an error.

// The current task ends now (Task::die).
enum class UserDieExceptionType : int32_t { SIGNAL = 0 };
// The window has closed, or a task step failed and was reported.
enum class WindowCloseExceptionType : int32_t { SIGNAL = 0 };
// Restart the main task (software reset).
enum class SoftwareResetExceptionType : int32_t { SIGNAL = 0 };
// Restart the main task (hardware reset).
enum class HardwareResetExceptionType : int32_t { SIGNAL = 0 };

} // namespace lum
