// lumtool yaml: reads a document the way the engine does and prints the
// engine's block form of it, so people can see what a game will see.

#include "command.hpp"

#include "lum/data/file.hpp"
#include "lum/data/path.hpp"
#include "lum/data/var.hpp"
#include "lum/error/exception.hpp"

#include <yaml.h>

#include <cstdio>
#include <exception>
#include <string>

namespace lumtool {

namespace {

// Where and why libyaml stops on text, for the message of a failed read (the
// engine's parse failure carries no detail). Empty when the text parses.
std::string yaml_problem(const std::string& utf8) {
    yaml_parser_t parser;
    if (!yaml_parser_initialize(&parser))
        return "";
    yaml_parser_set_encoding(&parser, YAML_UTF8_ENCODING);
    yaml_parser_set_input_string(&parser, reinterpret_cast<const unsigned char*>(utf8.data()), utf8.size());
    std::string problem;
    for (;;) {
        yaml_event_t event;
        if (!yaml_parser_parse(&parser, &event)) {
            problem = "line " + std::to_string(parser.problem_mark.line + 1) + ", column " +
                      std::to_string(parser.problem_mark.column + 1) + ": " +
                      (parser.problem ? parser.problem : "syntax error");
            break;
        }
        bool done = event.type == YAML_STREAM_END_EVENT || event.type == YAML_DOCUMENT_END_EVENT;
        yaml_event_delete(&event);
        if (done)
            break;
    }
    yaml_parser_delete(&parser);
    return problem;
}

// The reason a document did not parse, as precise as can be told.
std::string parse_failure(const lum::Path& path, const lum::DataParseException& e) {
    if (!e.message.empty())
        return e.message.to_utf8();
    try {
        lum::File file;
        file.open(path, lum::FILE_READ);
        lum::String text;
        file.read_all(lum::ENCODING_UTF8, text);
        std::string problem = yaml_problem(text.to_utf8());
        if (!problem.empty())
            return problem;
    } catch (const lum::Exception&) {
    }
    return "not a valid document";
}

int run_yaml(const std::vector<std::string>& args) {
    if (args.size() != 1)
        throw UsageError{args.empty() ? "no FILE given" : "more than one FILE given"};
    const std::string& name = args[0];
    lum::Var document;
    try {
        lum::Path path{lum::String(name)};
        try {
            document.load(path);
        } catch (const lum::DataParseException& e) {
            complain("cannot parse '" + name + "': " + parse_failure(path, e));
            return 1;
        }
    } catch (const lum::Exception& e) {
        // Opening or reading failed; the engine's message names the full path and the reason.
        std::string reason = e.message.empty() ? e.description().to_utf8() : e.message.to_utf8();
        complain("'" + name + "': " + reason);
        return 1;
    } catch (const std::exception& e) {
        // A file too big for the engine's text ("string too long") or for memory.
        complain("'" + name + "': " + e.what());
        return 1;
    }
    std::string text = document.block_form(0);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

const Registration yaml_command({"yaml", "yaml FILE",
                                 "read FILE as the engine does and print its YAML block form", run_yaml});

} // namespace

} // namespace lumtool
