#include "lum/app/frame/guarded_call.hpp"

#include "lum/app/frame/frame_state.hpp"
#include "lum/app/process/message_box.hpp"
#include "lum/app/frame/signals.hpp"
#include "lum/error/exception.hpp"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <typeinfo>

namespace lum {

const char* call_type_name(int32_t type) {
    switch (type) {
    case Begin:
        return "begin()";
    case End:
        return "end()";
    case User:
        return "user()";
    case Paint:
        return "paint()";
    default:
        return "(UNKNOWN-CALLTYPE)";
    }
}

String task_class_name(const Task& task) {
    const char* mangled = typeid(task).name();
    int status = -1;
    std::unique_ptr<char, void (*)(void*)> plain(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                 std::free);
    return String(std::string(status == 0 && plain ? plain.get() : mangled));
}

void report_runtime_exception(Task& task, CallType type, const char* type_name, const Variant& value) {
    fault(Format("Runtime Execption in {3}::{2}\n\n{0}={1}", type_name, value, call_type_name(type),
                 task_class_name(task)));
}

namespace {

void dispatch(Task& task, CallType type) {
    switch (type) {
    case Begin:
        task.begin();
        break;
    case End:
        task.end();
        break;
    case User:
        if (!frame_state().paused)
            task.user();
        break;
    case Paint:
        task.paint();
        break;
    }
}

// Reports the value in flight. Called from inside a catch-all handler, so the
// value is rethrown here and matched by its own type.
void report_current_exception(Task& task, CallType type) {
    auto report = [&](const char* type_name, const Variant& value) {
        report_runtime_exception(task, type, type_name, value);
    };
    try {
        throw;
    } catch (const Exception& e) {
        report("Halvane Exception", describe(e));
    } catch (bool v) {
        report("boolean", v);
    } catch (char v) {
        report("char", v);
    } catch (unsigned char v) {
        report("uchar", v);
    } catch (short v) {
        report("short", v);
    } catch (unsigned short v) {
        report("ushort", v);
    } catch (int v) {
        report("int", v);
    } catch (unsigned int v) {
        report("uint", v);
    } catch (long v) {
        report("long", v);
    } catch (unsigned long v) {
        report("ulong", v);
    } catch (float v) {
        report("float", v);
    } catch (double v) {
        report("double", v);
    } catch (const String& v) {
        report("string", v);
    } catch (const char* v) {
        report("string", v);
    } catch (const wchar_t* v) {
        report("string", v);
    } catch (const std::string& v) {
        report("string", v);
    } catch (const std::wstring& v) {
        report("string", String(v));
    } catch (...) {
        report("(...)", "...");
    }
}

} // namespace

void invoke(Task& task, CallType type) {
    try {
        dispatch(task, type);
    } catch (SoftwareResetExceptionType) {
        throw SoftwareResetExceptionType::SIGNAL;
    } catch (HardwareResetExceptionType) {
        throw HardwareResetExceptionType::SIGNAL;
    } catch (UserDieExceptionType) {
        throw UserDieExceptionType::SIGNAL;
    } catch (WindowCloseExceptionType) {
        throw WindowCloseExceptionType::SIGNAL;
    } catch (...) {
        report_current_exception(task, type);
        throw WindowCloseExceptionType::SIGNAL;
    }
}

} // namespace lum
