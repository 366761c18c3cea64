#include "lum/data/data_folders.hpp"

#include "lum/data/folders.hpp"
#include "lum/error/exception.hpp"
#include "lum/platform/file_system.hpp"
#include "lum/text/format.hpp"

#include <algorithm>
#include <string>

namespace lum {

namespace {

void add_folder(std::vector<String>& folders, const std::string& folder) {
    const String f(folder);
    if (std::find(folders.begin(), folders.end(), f) == folders.end())
        folders.push_back(f);
}

} // namespace

std::vector<String> data_folders(const String& executable_path) {
    std::vector<String> folders;
    if (!working_folder().empty())
        folders.push_back(working_folder());
    const std::string exe = executable_path.to_utf8();
    const size_t slash = exe.rfind('/');
    if (slash == std::string::npos)
        return folders;
    const std::string own_folder = exe.substr(0, slash + 1);
    const std::string name = exe.substr(slash + 1);
    // PREFIX/bin/NAME reads PREFIX/share/NAME/.
    // The root folder has no prefix above it.
    const size_t parent =
        own_folder.size() > 1 ? own_folder.rfind('/', own_folder.size() - 2) : std::string::npos;
    if (parent != std::string::npos && !name.empty()) {
        const std::string prefix = own_folder.substr(0, parent + 1);
        add_folder(folders, prefix + "share/" + name + "/");
    }
    add_folder(folders, own_folder);
    return folders;
}

std::vector<String> data_folders() {
    return data_folders(program_file());
}

String find_data_file(const String& name, const std::vector<String>& folders) {
    String tried;
    for (const String& folder : folders) {
        const String path = folder + name;
        if (platform::path_exists(path))
            return path;
        tried = tried.empty() ? Format("'{0}'", path) : Format("{0}, '{1}'", tried, path);
    }
    throw FileOpenException(Format("cannot open '{0}': not found in {1}", name, tried));
}

String find_data_file(const String& name) {
    return find_data_file(name, data_folders());
}

} // namespace lum
