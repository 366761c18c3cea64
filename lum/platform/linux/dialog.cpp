#include "lum/platform/dialog.hpp"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace lum::platform {

namespace {

struct Button {
    const char* label;
    DialogChoice choice;
};

std::vector<Button> buttons_of(DialogButtons b) {
    switch (b) {
    case DialogButtons::OK_CANCEL:
        return {{"OK", DialogChoice::OK}, {"Cancel", DialogChoice::CANCEL}};
    case DialogButtons::YES_NO:
        return {{"Yes", DialogChoice::YES}, {"No", DialogChoice::NO}};
    case DialogButtons::YES_NO_CANCEL:
        return {{"Yes", DialogChoice::YES}, {"No", DialogChoice::NO}, {"Cancel", DialogChoice::CANCEL}};
    case DialogButtons::OK:
        break;
    }
    return {{"OK", DialogChoice::OK}};
}

const char* icon_word(DialogIcon icon) {
    switch (icon) {
    case DialogIcon::INFORMATION:
        return "information";
    case DialogIcon::WARNING:
        return "warning";
    case DialogIcon::ERROR:
        break;
    }
    return "error";
}

bool scripted_choice(const std::vector<Button>& buttons, DialogChoice& choice) {
    const char* answer = std::getenv(DIALOG_ANSWER_VARIABLE);
    if (!answer)
        return false;
    choice = buttons.front().choice;
    for (const auto& b : buttons)
        if (strcasecmp(b.label, answer) == 0)
            choice = b.choice;
    return true;
}

bool on_path(const char* program) {
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= dirs.size()) {
        size_t end = dirs.find(':', start);
        if (end == std::string::npos)
            end = dirs.size();
        std::string candidate = dirs.substr(start, end - start) + "/" + program;
        if (::access(candidate.c_str(), X_OK) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

// Runs a dialog program and returns its exit status, or -1 when it could not run.
int run_dialog(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// xmessage (x11-utils) is on every X desktop our scripts set up; each button
// ends the program with its own status.
DialogChoice xmessage(const std::vector<Button>& buttons, const std::string& title, const std::string& text) {
    std::string button_list;
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (i)
            button_list += ",";
        button_list += std::string(buttons[i].label) + ":" + std::to_string(10 + i);
    }
    int status = run_dialog({"xmessage", "-center", "-title", title, "-buttons", button_list, "-default",
                             buttons.front().label, text});
    size_t index = status >= 10 ? static_cast<size_t>(status - 10) : 0;
    return index < buttons.size() ? buttons[index].choice : buttons.front().choice;
}

} // namespace

DialogChoice show_dialog(DialogIcon icon, DialogButtons buttons_kind, const String& title,
                         const String& text) {
    std::string t = title.to_utf8(), x = text.to_utf8();
    std::fflush(stdout);
    std::fprintf(stderr, "[%s] %s: %s\n", icon_word(icon), t.c_str(), x.c_str());
    std::fflush(stderr);

    auto buttons = buttons_of(buttons_kind);
    DialogChoice choice = buttons.front().choice;
    if (scripted_choice(buttons, choice))
        return choice;
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display)
        return choice;
    if (on_path("xmessage"))
        return xmessage(buttons, t, x);
    return choice;
}

} // namespace lum::platform
