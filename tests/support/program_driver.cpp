#include "support/program_driver.hpp"

#include "support/samples.hpp"

#include <algorithm>
#include <chrono>
#include <thread>

namespace lum::test {

namespace {

// The first line of text, without its line feed.
std::string first_line(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

} // namespace

ProgramDriver::ProgramDriver(std::string path, std::string title, BootPicture picture)
    : path_(std::move(path)), title_(std::move(title)) {
    std::filesystem::create_directory(home());
    if (picture == BootPicture::IN_WORKING_FOLDER)
        std::filesystem::copy_file(boot_picture_path(), folder_.file("png"));
}

std::string ProgramDriver::file(const std::string& name) const {
    return read_bytes(folder_.file(name));
}

bool ProgramDriver::exists(const std::string& name) const {
    return std::filesystem::exists(folder_.file(name));
}

void ProgramDriver::write(const std::string& name, const std::string& bytes) const {
    std::filesystem::create_directories((folder_ / name).parent_path());
    folder_.write(name, bytes);
}

void ProgramDriver::pads(const std::string& line) {
    pads_ = true;
    folder_.append("pads.txt", line + "\n");
}

void ProgramDriver::set_environment(const std::string& name, const std::string& value) {
    environment_.emplace_back(name, value);
}

void ProgramDriver::start(const std::vector<std::string>& arguments, Streams streams) {
    options_ = {};
    options_.argv = {path_};
    options_.argv.insert(options_.argv.end(), arguments.begin(), arguments.end());
    options_.environment = {{"HOME", home().string()}, {"LUM_MESSAGE_BOX", "ok"}, {"ALSOFT_DRIVERS", "null"}};
    if (pads_)
        options_.environment.emplace_back("LUM_VIRTUAL_JOYPADS", folder_.file("pads.txt"));
    // A variable the test sets replaces the default: the program would read
    // the first of two.
    for (const auto& [name, value] : environment_) {
        auto& all = options_.environment;
        auto same = std::find_if(all.begin(), all.end(), [&](const auto& e) { return e.first == name; });
        if (same != all.end())
            same->second = value;
        else
            all.emplace_back(name, value);
    }
    options_.working_folder = folder_.path().string();
    options_.merge_streams = streams == Streams::MERGED;
    launches_ = 0;
    launch();
}

::testing::AssertionResult ProgramDriver::wait_window() {
    for (int waited = 0; waited < LIMIT_MS; waited += 200) {
        window_ = find_window(title_, 200);
        if (!window_.empty())
            return ::testing::AssertionSuccess();
        if (!process_->running() && !relaunched())
            break;
    }
    return ::testing::AssertionFailure() << "no window \"" << title_ << "\"; " << diagnose();
}

::testing::AssertionResult ProgramDriver::wait_ready(const std::string& text) {
    ::testing::AssertionResult shown = wait_window();
    if (!shown)
        return shown;
    ::testing::AssertionResult ready = shows(text);
    if (!ready)
        return ready;
    std::this_thread::sleep_for(std::chrono::seconds(1));
    return ::testing::AssertionSuccess();
}

std::string ProgramDriver::window_name() {
    std::string name = x_client({"xdotool", "getwindowname", window_}).stdout_text;
    if (!name.empty() && name.back() == '\n')
        name.pop_back();
    return name;
}

std::string ProgramDriver::window_size() {
    const std::string geometry = x_client({"xdotool", "getwindowgeometry", window_}).stdout_text;
    const std::string label = "Geometry: ";
    size_t at = geometry.find(label);
    return at == std::string::npos ? "" : first_line(geometry.substr(at + label.size()));
}

std::string ProgramDriver::diagnose() {
    process_->wait_end(500);
    return (process_->running() ? std::string("running")
                                : "ended " + std::to_string(process_->exit_status())) +
           "\nstdout:\n" + process_->out() + "\nstderr:\n" + process_->err();
}

::testing::AssertionResult ProgramDriver::shows(const std::string& text) {
    if (process_->wait_for_output(text, LIMIT_MS))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "never saw \"" << text << "\"; " << diagnose();
}

::testing::AssertionResult ProgramDriver::send_until(const std::vector<std::string>& actions,
                                                     const std::string& text) {
    for (int tries = 0; tries * RETRY_MS < LIMIT_MS; ++tries) {
        if (!xdotool(actions))
            return ::testing::AssertionFailure() << "xdotool failed";
        if (process_->wait_for_output(text, RETRY_MS))
            return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "never saw \"" << text << "\"; " << diagnose();
}

::testing::AssertionResult ProgramDriver::key(const std::string& key, const std::string& text) {
    if (!xdotool({"key", key}))
        return ::testing::AssertionFailure() << "xdotool failed";
    return shows(text);
}

::testing::AssertionResult ProgramDriver::pad_until(const std::string& command, const std::string& text) {
    pads(command);
    return shows(text);
}

::testing::AssertionResult ProgramDriver::close_window() {
    if (lum::close_window(title_))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "no window \"" << title_ << "\" took the close; " << diagnose();
}

int ProgramDriver::key_until_end(const std::string& key) {
    for (int tries = 0; tries * RETRY_MS < LIMIT_MS; ++tries) {
        xdotool({"key", key});
        if (process_->wait_end(RETRY_MS))
            return process_->exit_status();
    }
    return -1;
}

int ProgramDriver::end() {
    do {
        if (!process_->wait_end(LIMIT_MS))
            return -1;
    } while (relaunched());
    return process_->exit_status();
}

void ProgramDriver::launch() {
    ++launches_;
    process_ = std::make_unique<LiveProcess>(options_);
}

bool ProgramDriver::relaunched() {
    if (!process_->wait_end(0) || launches_ == X_CONNECT_TRIES ||
        !display_refused(process_->err() + process_->out()))
        return false;
    launch();
    return true;
}

} // namespace lum::test
