// lumtool yaml: reads a document the way the engine does and prints the
// engine's block form of it, so people can see what a game will see.

#include "command.hpp"

#include "lum/data/var.hpp"

#include <exception>
#include <string>

namespace lumtool {

namespace {

int run_yaml(const std::vector<std::string>& args) {
    if (args.size() != 1)
        throw UsageError{args.empty() ? "no FILE given" : "more than one FILE given"};
    const std::string& name = args[0];
    lum::Path path = path_of(name);
    lum::Var document;
    try {
        document.load(path);
    } catch (const lum::FileOpenException& e) {
        fail_on_file("cannot open", name, path, e);
    } catch (const lum::IOException& e) {
        fail_on_file("cannot read", name, path, e);
    } catch (const lum::DataParseException& e) {
        // The message says where and why (libyaml's line, column and problem).
        throw Failure{"cannot parse '" + name + "': " + e.message.to_utf8()};
    } catch (const std::exception& e) {
        // A file too big for the engine's text ("string too long") or for memory.
        throw Failure{"cannot read '" + name + "': " + e.what()};
    }
    write_standard_output(document.block_form(0));
    return 0;
}

const Registration yaml_command({"yaml", "yaml FILE",
                                 "read FILE as the engine does and print its YAML block form", run_yaml});

} // namespace

} // namespace lumtool
