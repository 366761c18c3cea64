#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace lum::test {

// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes.
class TempFolder {
  public:
    TempFolder() {
        std::random_device entropy;
        auto base = std::filesystem::temp_directory_path();
        for (;;) {
            path_ = base / ("lum-test-" + std::to_string(entropy()));
            if (std::filesystem::create_directory(path_))
                break;
        }
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    // The full path of name inside the folder.
    std::string file(std::string_view name) const { return (path_ / name).string(); }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }
    const std::filesystem::path& path() const { return path_; }

    // Writes bytes to name exactly.
    std::string write(std::string_view name, std::string_view bytes) const {
        std::string full = file(name);
        std::ofstream out(full, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return full;
    }
    // Adds bytes to the end of name, creating it when missing.
    void append(std::string_view name, std::string_view bytes) const {
        std::ofstream out(file(name), std::ios::binary | std::ios::app);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    // Every entry's name in the folder, sorted, joined by "|".
    std::string listing() const {
        std::string names;
        std::vector<std::string> all;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            all.push_back(entry.path().filename().string());
        std::sort(all.begin(), all.end());
        for (const auto& n : all)
            names += (names.empty() ? "" : "|") + n;
        return names;
    }

  private:
    std::filesystem::path path_;
};

// The bytes of a file, or "<missing>".
inline std::string read_bytes(const std::string& full) {
    std::ifstream in(full, std::ios::binary);
    if (!in)
        return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace lum::test
