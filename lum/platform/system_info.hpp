#pragma once

#include "lum/text/string.hpp"

#include <cstdint>

namespace lum::platform {

// The process's working directory, without a trailing "/"; empty when unknown.
String current_directory();

// The user's desktop folder: XDG_DESKTOP_DIR, else ~/Desktop when it exists, else ~.
String desktop_directory();

// The user's fonts folder: ~/.local/share/fonts when it exists, else /usr/share/fonts.
String fonts_directory();

// The name of the user running the process, or "unknown".
String user_name();

// The machine's host name; empty when unknown.
String host_name();

// The operating system as uname and /etc/os-release describe it.
struct OsInfo {
    int major = 0;      // 6 of release "6.1.0-18-amd64"
    int minor = 0;      // 1
    int patch = 0;      // 0
    String version;     // uname's version text ("#1 SMP PREEMPT_DYNAMIC ...")
    String machine;     // uname's machine ("x86_64")
    String pretty_name; // PRETTY_NAME of /etc/os-release, else uname's system name
    String system;      // uname's system name ("Linux")
};
OsInfo os_info();

// Whether the machine runs a 64-bit system.
bool is_64bit_system();

// The driver name of the first display card ("i915", "virtio_gpu"), else "unknown".
// Stable from run to run: it is part of the user hash.
String display_adapter();

// Installed memory in megabytes (MemTotal), 0 when unknown.
uint32_t installed_memory_mb();

// The first of LC_ALL, LC_MESSAGES and LANG that is set and not empty, or "".
String locale_environment();

} // namespace lum::platform
