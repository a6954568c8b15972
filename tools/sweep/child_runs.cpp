// Child processes for the sweep: posix_spawn with the output in files, a time limit, and the way each ended.
#include "tools/sweep/child_runs.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <thread>

extern char** environ;

namespace sweep {
namespace {

using Clock = std::chrono::steady_clock;

struct Running {
    size_t index = 0;
    Clock::time_point started;
    bool killed = false;
};

pid_t spawnChild(const ChildJob& job)
{
    std::filesystem::create_directories(job.folder);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string out = (job.folder / "stdout.txt").string();
    const std::string err = (job.folder / "stderr.txt").string();
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char*> argv;
    for (const std::string& argument : job.arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

ChildEnd endOf(int status)
{
    if (WIFSIGNALED(status))
        return {true, WTERMSIG(status), false};
    return {false, WEXITSTATUS(status), false};
}

void appendOption(const char* variable, const std::string& options)
{
    const char* existing = std::getenv(variable);
    const std::string value = existing && *existing ? std::string(existing) + ":" + options : options;
    setenv(variable, value.c_str(), 1);
}

} // namespace

void setSanitizerEnvironment()
{
    const std::string code = "exitcode=" + std::to_string(kSanitizerExitCode);
    appendOption("ASAN_OPTIONS", code + ":abort_on_error=0");
    appendOption("UBSAN_OPTIONS", code + ":halt_on_error=1:print_stacktrace=1");
    appendOption("LSAN_OPTIONS", code);
}

void runChildren(const std::vector<ChildJob>& jobs, size_t parallel, std::chrono::seconds timeout,
    const std::function<void(size_t, const ChildEnd&)>& done)
{
    std::map<pid_t, Running> running;
    size_t next = 0;
    while (next < jobs.size() || !running.empty()) {
        while (next < jobs.size() && running.size() < std::max<size_t>(parallel, 1)) {
            const pid_t pid = spawnChild(jobs[next]);
            if (pid < 0)
                done(next, ChildEnd{false, 127, false});
            else
                running[pid] = {next, Clock::now()};
            ++next;
        }
        int status = 0;
        const pid_t ended = waitpid(-1, &status, WNOHANG);
        if (ended > 0 && running.count(ended)) {
            ChildEnd end = endOf(status);
            end.timedOut = running[ended].killed;
            done(running[ended].index, end);
            running.erase(ended);
            continue;
        }
        for (auto& [pid, child] : running) {
            if (child.killed || Clock::now() - child.started <= timeout)
                continue;
            kill(pid, SIGKILL); // reaped above on a later turn, and reported as a hang there
            child.killed = true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

} // namespace sweep
