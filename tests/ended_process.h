// The id of a process that has ended, for tests of files named after their writer.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

inline pid_t endedProcessId() {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    return child;
}
