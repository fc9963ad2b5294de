#pragma once
// Starting and stopping the programs under test.
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

extern char** environ;

namespace vrx::test {

class Process {
public:
    // stdout goes to outputFile and stderr to errorFile when given (so a test can read what the
    // program printed).
    Process(const std::string& program, const std::vector<std::string>& args, const std::string& outputFile = {},
            const std::string& errorFile = {}) {
        std::vector<std::string> all{program};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (auto& a : all) argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        for (const auto& [fd, file] : {std::pair{STDOUT_FILENO, &outputFile}, std::pair{STDERR_FILENO, &errorFile}})
            if (!file->empty())
                posix_spawn_file_actions_addopen(&actions, fd, file->c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Process() {
        if (m_pid > 0 && !m_exit) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool started() const { return m_pid > 0; }
    void signal(int sig) const { ::kill(m_pid, sig); }

    // The exit code once the process has ended within the time, else nothing.
    std::optional<int> waitExit(std::chrono::milliseconds timeout) {
        const auto end = std::chrono::steady_clock::now() + timeout;
        while (!m_exit) {
            int status = 0;
            if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_exit = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
                break;
            }
            if (std::chrono::steady_clock::now() >= end) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return m_exit;
    }

private:
    pid_t m_pid = -1;
    std::optional<int> m_exit;
};

// Polls a condition until it holds or the time is up.
inline bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    return true;
}

} // namespace vrx::test
