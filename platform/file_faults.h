// A failing disk for tests: the Nth write, sync or rename of the file layer goes wrong.
#pragma once

#include "platform/file_system_calls.h"

#include <vector>

enum class FileFault {
    None,        // every call goes through; the calls are only counted
    WriteFails,  // the Nth write fails with an I/O error
    ShortWrite,  // the Nth write writes only half of what it was given
    DiskFull,    // the Nth write fills the disk half-way; every write after it finds no space
    SyncFails,   // the Nth sync fails with an I/O error
    RenameFails, // the Nth rename fails
};

// While one lives, the file layer's calls go through it. `nth` counts from 1 among the calls
// the fault is about (writes, syncs or renames).
class FileFaultInjection {
  public:
    explicit FileFaultInjection(FileFault fault = FileFault::None, int nth = 1);
    ~FileFaultInjection();
    FileFaultInjection(const FileFaultInjection&) = delete;
    FileFaultInjection& operator=(const FileFaultInjection&) = delete;

    int writes() const;
    int syncs() const;
    int renames() const;

  private:
    FileSystemCalls saved_;
};

// Every fault a sequence of `writes` writes, one sync and one rename can meet, for tests that
// run a saver through each of them.
struct FileFaultPoint {
    FileFault fault;
    int nth;
};
std::vector<FileFaultPoint> fileFaultPoints(int writes, int syncs, int renames);
