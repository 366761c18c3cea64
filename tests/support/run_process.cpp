#include "support/run_process.hpp"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace lum {

namespace {

// A pipe whose ends close themselves.
struct Pipe {
    int fd[2] = {-1, -1};
    Pipe() {
        if (::pipe2(fd, O_CLOEXEC) != 0)
            throw std::runtime_error(std::string("run_process: pipe: ") + std::strerror(errno));
    }
    ~Pipe() {
        close_end(0);
        close_end(1);
    }
    void close_end(int i) {
        if (fd[i] >= 0)
            ::close(fd[i]);
        fd[i] = -1;
    }
};

// Runs in the forked child: only async-signal-safe calls from here on.
[[noreturn]] void exec_child(char* const* args, Pipe& in, Pipe& out, Pipe& err) {
    if (::dup2(in.fd[0], 0) < 0 || ::dup2(out.fd[1], 1) < 0 || ::dup2(err.fd[1], 2) < 0)
        ::_exit(127);
    ::execvp(args[0], args);
    static const char message[] = "run_process: cannot run ";
    (void)!::write(2, message, sizeof message - 1);
    (void)!::write(2, args[0], std::strlen(args[0]));
    (void)!::write(2, "\n", 1);
    ::_exit(127);
}

// Feeds stdin and drains both outputs together, so that a child that fills one
// pipe while we wait on another cannot deadlock.
void pump(Pipe& in, Pipe& out, Pipe& err, const std::string& stdin_text, RunResult& result) {
    size_t written = 0;
    if (stdin_text.empty())
        in.close_end(1);
    char buf[4096];
    while (in.fd[1] >= 0 || out.fd[0] >= 0 || err.fd[0] >= 0) {
        pollfd fds[3] = {{in.fd[1], POLLOUT, 0}, {out.fd[0], POLLIN, 0}, {err.fd[0], POLLIN, 0}};
        if (::poll(fds, 3, -1) < 0) {
            if (errno == EINTR)
                continue;
            throw std::runtime_error(std::string("run_process: poll: ") + std::strerror(errno));
        }
        if (fds[0].revents) {
            ssize_t n = ::write(in.fd[1], stdin_text.data() + written, stdin_text.size() - written);
            if (n > 0)
                written += static_cast<size_t>(n);
            if (n < 0 || written == stdin_text.size())
                in.close_end(1);
        }
        Pipe* sources[2] = {&out, &err};
        std::string* sinks[2] = {&result.stdout_text, &result.stderr_text};
        for (int i = 0; i < 2; ++i) {
            if (!fds[i + 1].revents)
                continue;
            ssize_t n = ::read(sources[i]->fd[0], buf, sizeof buf);
            if (n > 0)
                sinks[i]->append(buf, static_cast<size_t>(n));
            else if (n == 0 || errno != EINTR)
                sources[i]->close_end(0);
        }
    }
}

} // namespace

RunResult run_process(const std::vector<std::string>& argv, const std::string& stdin_text) {
    if (argv.empty())
        throw std::invalid_argument("run_process: empty argv");
    std::vector<char*> args;
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    Pipe in, out, err;
    pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error(std::string("run_process: fork: ") + std::strerror(errno));
    if (pid == 0)
        exec_child(args.data(), in, out, err);
    in.close_end(0);
    out.close_end(1);
    err.close_end(1);

    // A child that exits before reading all of stdin must not kill us with SIGPIPE.
    struct sigaction ignore = {}, previous = {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGPIPE, &ignore, &previous);
    RunResult result;
    try {
        pump(in, out, err, stdin_text, result);
    } catch (...) {
        ::sigaction(SIGPIPE, &previous, nullptr);
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        throw;
    }
    ::sigaction(SIGPIPE, &previous, nullptr);

    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status))
        result.exit_status = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        result.exit_status = 128 + WTERMSIG(status);
    return result;
}

} // namespace lum
