// The system calls through which every file is written, kept in one place so tests can fail them.
#include "platform/file_system_calls.h"

#include <cstdio>
#include <unistd.h>

FileSystemCalls& fileSystemCalls() {
    static FileSystemCalls calls{::write, ::fsync, ::rename, ::fsync};
    return calls;
}
