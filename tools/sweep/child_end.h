// How a child process of the sweep ended.
#pragma once

namespace sweep {

/// The exit code the sweep asks the sanitizers to use, so their findings stand apart from a failed script.
inline constexpr int kSanitizerExitCode = 86;

/// How the child process ended.
struct ChildEnd {
    bool signalled = false;
    int code = 0; // the exit status, or the signal number when signalled
    bool timedOut = false;
};

} // namespace sweep
