#include "lum/input/binding_document.hpp"

#include "lum/error/exception.hpp"
#include "lum/platform/file_system.hpp"
#include "lum/text/debug_out.hpp"

namespace lum {

namespace {

String reason_of(const Exception& e) {
    return e.message.empty() ? describe(e) : e.message;
}

} // namespace

DocumentRead read_binding_document(const Path& path, Var& document) {
    try {
        document.load(path);
        return {};
    } catch (const FileOpenException& e) {
        if (!platform::path_exists(path.to_string()))
            return {DocumentStatus::MISSING, reason_of(e)};
        return {DocumentStatus::UNREADABLE, reason_of(e)};
    } catch (const DataParseException& e) {
        return {DocumentStatus::UNPARSABLE, e.message.empty() ? String("not valid YAML") : e.message};
    } catch (const Exception& e) {
        return {DocumentStatus::UNREADABLE, reason_of(e)};
    }
}

bool save_binding_document(const Var& document, const Path& path, const char* consequence) {
    try {
        document.save(path);
        return true;
    } catch (const Exception& e) {
        debug_out << reason_of(e) << "; " << consequence << "\n";
        return false;
    }
}

} // namespace lum
