// The system calls through which every file is written, kept in one place so tests can fail them.
#pragma once

#include <cstddef>
#include <sys/types.h>

struct FileSystemCalls {
    ssize_t (*write)(int descriptor, const void* data, std::size_t count);
    int (*fsync)(int descriptor);
    int (*rename)(const char* from, const char* to);
    // Syncs a folder after a rename, so that the new name itself is on disk.
    int (*fsyncFolder)(int descriptor);
};

// The calls in use: the operating system's own unless a test has put others in their place.
FileSystemCalls& fileSystemCalls();
