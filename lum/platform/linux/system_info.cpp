#include "lum/platform/system_info.hpp"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/utsname.h>
#include <unistd.h>

namespace lum::platform {

namespace {

bool is_directory(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string home_directory() {
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_dir)
        return pw->pw_dir;
    return "/";
}

// XDG_DESKTOP_DIR="$HOME/Desktop" from ~/.config/user-dirs.dirs, with $HOME expanded.
std::string xdg_desktop(const std::string& home) {
    std::ifstream in(home + "/.config/user-dirs.dirs");
    std::string line;
    while (std::getline(in, line)) {
        const std::string key = "XDG_DESKTOP_DIR=";
        if (line.rfind(key, 0) != 0)
            continue;
        std::string v = line.substr(key.size());
        if (v.size() >= 2 && v.front() == '"' && v.back() == '"')
            v = v.substr(1, v.size() - 2);
        if (v.rfind("$HOME", 0) == 0)
            v = home + v.substr(5);
        return v;
    }
    return "";
}

} // namespace

String current_directory() {
    std::string buf(4096, '\0');
    while (::getcwd(buf.data(), buf.size()) == nullptr) {
        if (errno != ERANGE)
            return String();
        buf.resize(buf.size() * 2);
    }
    return String(std::string(buf.c_str()));
}

String desktop_directory() {
    std::string home = home_directory();
    std::string xdg = xdg_desktop(home);
    if (!xdg.empty() && is_directory(xdg))
        return String(xdg);
    if (is_directory(home + "/Desktop"))
        return String(home + "/Desktop");
    return String(home);
}

String fonts_directory() {
    std::string local = home_directory() + "/.local/share/fonts";
    return String(is_directory(local) ? local : std::string("/usr/share/fonts"));
}

String user_name() {
    if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_name && *pw->pw_name)
        return String(pw->pw_name);
    if (const char* user = std::getenv("USER"); user && *user)
        return String(user);
    return String("unknown");
}

String host_name() {
    char buf[256] = {};
    if (::gethostname(buf, sizeof buf - 1) != 0)
        return String();
    return String(buf);
}

OsInfo os_info() {
    OsInfo info;
    struct utsname u {};
    if (::uname(&u) == 0) {
        std::sscanf(u.release, "%d.%d.%d", &info.major, &info.minor, &info.patch);
        info.version = String(u.version);
        info.machine = String(u.machine);
        info.system = String(u.sysname);
    }
    info.pretty_name = info.system;
    std::ifstream in("/etc/os-release");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("PRETTY_NAME=", 0) != 0)
            continue;
        std::string v = line.substr(12);
        if (v.size() >= 2 && (v.front() == '"' || v.front() == '\''))
            v = v.substr(1, v.size() - 2);
        info.pretty_name = String(v);
    }
    return info;
}

bool is_64bit_system() {
    struct utsname u {};
    if (::uname(&u) != 0)
        return sizeof(void*) == 8;
    std::string m = u.machine;
    return m.find("64") != std::string::npos || m == "s390x";
}

String display_adapter() {
    // Cards are card0, card1, ...; connectors (card0-HDMI-A-1) have no driver link.
    DIR* dir = ::opendir("/sys/class/drm");
    if (!dir)
        return String("unknown");
    std::string best;
    while (dirent* e = ::readdir(dir)) {
        std::string name = e->d_name;
        if (name.rfind("card", 0) != 0 || name.find('-') != std::string::npos)
            continue;
        if (best.empty() || name < best)
            best = name;
    }
    ::closedir(dir);
    if (best.empty())
        return String("unknown");
    char target[4096] = {};
    std::string link = "/sys/class/drm/" + best + "/device/driver";
    ssize_t n = ::readlink(link.c_str(), target, sizeof target - 1);
    if (n <= 0)
        return String("unknown");
    std::string path(target, static_cast<size_t>(n));
    return String(path.substr(path.rfind('/') + 1));
}

uint32_t installed_memory_mb() {
    std::ifstream in("/proc/meminfo");
    std::string key;
    unsigned long long kb = 0;
    while (in >> key) {
        if (key == "MemTotal:") {
            in >> kb;
            return static_cast<uint32_t>(kb / 1024);
        }
        in.ignore(1 << 12, '\n');
    }
    return 0;
}

String locale_environment() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* v = std::getenv(name); v && *v)
            return String(v);
    }
    return String();
}

} // namespace lum::platform
