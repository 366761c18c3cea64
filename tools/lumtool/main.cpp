// lumtool: command-line helpers for people who build games on the engine.

#include "command.hpp"

#include "lum/text/debug_out.hpp"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace lumtool {

namespace {
std::vector<Command>& commands() {
    static std::vector<Command> list;
    return list;
}

void print_help() {
    auto list = commands();
    std::sort(list.begin(), list.end(),
              [](const Command& a, const Command& b) { return std::strcmp(a.name, b.name) < 0; });
    std::printf("usage: lumtool COMMAND [ARGUMENTS]\n\ncommands:\n");
    for (const auto& c : list)
        std::printf("  %-40s %s\n", c.synopsis, c.summary);
    std::printf("  %-40s %s\n", "--help", "show this list");
    std::printf("  %-40s %s\n", "--version", "show the version");
}
} // namespace

Registration::Registration(const Command& command) {
    commands().push_back(command);
}

} // namespace lumtool

int main(int argc, char** argv) {
    using namespace lumtool;
    // Standard output holds only results; the engine's diagnostics go beside them.
    lum::debug_out.set_stream(lum::DebugStream::STANDARD_ERROR);
    if (argc < 2) {
        complain("no command given (try 'lumtool --help')");
        return 2;
    }
    std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        print_help();
        return 0;
    }
    if (name == "--version") {
        std::printf("lumtool %s\n", LUM_VERSION);
        return 0;
    }
    for (const auto& c : commands()) {
        if (name != c.name)
            continue;
        try {
            return c.run(std::vector<std::string>(argv + 2, argv + argc));
        } catch (const UsageError& e) {
            complain(e.message + " (usage: lumtool " + c.synopsis + ")");
            return 2;
        } catch (const Failure& f) {
            complain(f.message);
            return 1;
        } catch (const lum::Exception& e) {
            complain(lum::describe(e).to_utf8());
            return 1;
        }
    }
    complain("unknown command '" + name + "' (try 'lumtool --help')");
    return 2;
}
