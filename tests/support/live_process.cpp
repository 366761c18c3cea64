#include "support/live_process.hpp"

#include "support/run_process.hpp"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace lum {

namespace {

using Clock = std::chrono::steady_clock;

int milliseconds_until(Clock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

void fail(const char* what) {
    throw std::runtime_error(std::string("LiveProcess: ") + what + ": " + std::strerror(errno));
}

} // namespace

LiveProcess::LiveProcess(const Options& options) {
    if (options.argv.empty())
        throw std::invalid_argument("LiveProcess: empty argv");
    int out[2], err[2];
    if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0)
        fail("pipe");
    // Built before the fork: the child may only make async-signal-safe calls.
    std::vector<char*> args;
    for (const std::string& a : options.argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    std::vector<std::string> assignments;
    for (char** e = environ; *e; ++e) {
        const std::string assignment(*e);
        bool overridden = false;
        for (const auto& [name, value] : options.environment)
            overridden = overridden || assignment.rfind(name + "=", 0) == 0;
        if (!overridden)
            assignments.push_back(assignment);
    }
    for (const auto& [name, value] : options.environment)
        assignments.push_back(name + "=" + value);
    std::vector<char*> env;
    for (std::string& a : assignments)
        env.push_back(a.data());
    env.push_back(nullptr);

    pid_ = ::fork();
    if (pid_ < 0)
        fail("fork");
    if (pid_ == 0) {
        ::dup2(out[1], 1);
        ::dup2(options.merge_streams ? out[1] : err[1], 2);
        if (!options.working_folder.empty() && ::chdir(options.working_folder.c_str()) != 0)
            ::_exit(126);
        ::execvpe(args[0], args.data(), env.data());
        ::_exit(127);
    }
    ::close(out[1]);
    ::close(err[1]);
    out_fd_ = out[0];
    err_fd_ = err[0];
    if (options.merge_streams) {
        ::close(err_fd_);
        err_fd_ = -1;
    }
}

LiveProcess::~LiveProcess() {
    kill_child();
    for (int fd : {out_fd_, err_fd_})
        if (fd >= 0)
            ::close(fd);
}

void LiveProcess::pump(int timeout_ms) {
    pollfd fds[2] = {{out_fd_, POLLIN, 0}, {err_fd_, POLLIN, 0}};
    if (out_fd_ < 0 && err_fd_ < 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(timeout_ms));
        return;
    }
    if (::poll(fds, 2, timeout_ms) <= 0)
        return;
    int* fd[2] = {&out_fd_, &err_fd_};
    std::string* sink[2] = {&out_, &err_};
    char buffer[4096];
    for (int i = 0; i < 2; ++i) {
        if (!fds[i].revents)
            continue;
        ssize_t n = ::read(*fd[i], buffer, sizeof buffer);
        if (n > 0) {
            sink[i]->append(buffer, static_cast<size_t>(n));
        } else if (n == 0 || errno != EINTR) {
            ::close(*fd[i]);
            *fd[i] = -1;
        }
    }
}

bool LiveProcess::wait_for_output(const std::string& text, int timeout_ms) {
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
    for (;;) {
        size_t at = out_.find(text, found_end_);
        if (at != std::string::npos) {
            found_end_ = at + text.size();
            return true;
        }
        if (out_fd_ < 0 || milliseconds_until(deadline) == 0)
            return false;
        pump(milliseconds_until(deadline));
    }
}

bool LiveProcess::running() {
    if (pid_ < 0)
        return false;
    int status = 0;
    pid_t done = ::waitpid(pid_, &status, WNOHANG);
    if (done == 0)
        return true;
    if (done == pid_)
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    pid_ = -1;
    return false;
}

bool LiveProcess::wait_end(int timeout_ms) {
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
    while (running()) {
        if (milliseconds_until(deadline) == 0)
            return false;
        pump(std::min(milliseconds_until(deadline), 20));
    }
    // What the child wrote before it ended is still in the pipes; a process
    // it left behind may hold them open, hence a limit here too.
    const Clock::time_point drained = Clock::now() + std::chrono::seconds(2);
    while ((out_fd_ >= 0 || err_fd_ >= 0) && milliseconds_until(drained) > 0)
        pump(milliseconds_until(drained));
    return true;
}

void LiveProcess::kill_child() {
    if (pid_ < 0)
        return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

std::string find_window(const std::string& title, int timeout_ms) {
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
    for (;;) {
        RunResult r = run_process({"xdotool", "search", "--name", "^" + title + "$"});
        std::string id = r.stdout_text.substr(0, r.stdout_text.find('\n'));
        if (!id.empty() || milliseconds_until(deadline) == 0)
            return id;
        // Short pauses: a program that ends itself after a few frames keeps its
        // window for half a second.
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(milliseconds_until(deadline), 20)));
    }
}

RunResult x_client(const std::vector<std::string>& argv) {
    RunResult r;
    for (int tries = 0; tries < X_CONNECT_TRIES; ++tries) {
        r = run_process(argv);
        if (r.exit_status == 0 || !display_refused(r.stderr_text))
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return r;
}

bool xdotool(const std::vector<std::string>& arguments) {
    std::vector<std::string> argv = {"xdotool"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return x_client(argv).exit_status == 0;
}

bool close_window(const std::string& title) {
    for (int tries = 0; tries < X_CONNECT_TRIES; ++tries) {
        if (run_process({LUM_WM_CLOSE_PATH, title}).exit_status == 0)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

bool display_refused(const std::string& diagnostics) {
    return diagnostics.find("open display") != std::string::npos;
}

} // namespace lum
