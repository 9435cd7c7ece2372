// Leaves out the file layer's syncs while alive, for tests that save thousands of times and are
// not about what reaches the disk.
#pragma once

#include "platform/file_system_calls.h"

class WithoutSyncs {
  public:
    WithoutSyncs() : saved_(fileSystemCalls()) {
        fileSystemCalls().fsync = [](int) { return 0; };
        fileSystemCalls().fsyncFolder = [](int) { return 0; };
    }
    ~WithoutSyncs() { fileSystemCalls() = saved_; }
    WithoutSyncs(const WithoutSyncs&) = delete;
    WithoutSyncs& operator=(const WithoutSyncs&) = delete;

  private:
    FileSystemCalls saved_;
};
