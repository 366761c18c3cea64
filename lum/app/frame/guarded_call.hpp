#pragma once

#include "lum/app/frame/task.hpp"
#include "lum/text/format.hpp"

#include <cstdint>

namespace lum {

// The steps of a task that the main loop calls.
enum CallType : int32_t { Begin = 0, End = 1, User = 2, Paint = 3 };

// "begin()", "end()", "user()", "paint()"; "(UNKNOWN-CALLTYPE)" for other values.
const char* call_type_name(int32_t type);

// Calls one step of task, guarded: the four signals pass on as fresh signals;
// anything else thrown is shown in a runtime report and becomes a
// WindowCloseExceptionType. The user step is skipped while the program is paused.
void invoke(Task& task, CallType type);

// Shows "Runtime Execption in CLASS::STEP\n\nTYPE=VALUE" in the "Fault" box,
// CLASS being the task's most derived class; returns when the box is closed.
void report_runtime_exception(Task& task, CallType type, const char* type_name, const Variant& value);

// The readable name of the task's most derived class.
String task_class_name(const Task& task);

} // namespace lum
