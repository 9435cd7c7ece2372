// A failing disk for tests: the Nth write, sync or rename of the file layer goes wrong.
#include "platform/file_faults.h"

#include <cerrno>

namespace {

struct Injection {
    FileFault fault = FileFault::None;
    int nth = 1;
    int writes = 0;
    int syncs = 0;
    int renames = 0;
    bool diskFull = false;
    FileSystemCalls real{};
};

Injection injection;

ssize_t injectedWrite(int descriptor, const void* data, std::size_t count) {
    const int n = ++injection.writes;
    if (injection.diskFull) {
        errno = ENOSPC;
        return -1;
    }
    if (n != injection.nth) {
        return injection.real.write(descriptor, data, count);
    }
    switch (injection.fault) {
    case FileFault::WriteFails:
        errno = EIO;
        return -1;
    case FileFault::DiskFull:
        injection.diskFull = true;
        [[fallthrough]];
    case FileFault::ShortWrite:
        return count / 2 == 0 ? 0 : injection.real.write(descriptor, data, count / 2);
    default:
        return injection.real.write(descriptor, data, count);
    }
}

int injectedSync(int descriptor) {
    if (++injection.syncs == injection.nth && injection.fault == FileFault::SyncFails) {
        errno = EIO;
        return -1;
    }
    return injection.real.fsync(descriptor);
}

int injectedRename(const char* from, const char* to) {
    if (++injection.renames == injection.nth && injection.fault == FileFault::RenameFails) {
        errno = EXDEV;
        return -1;
    }
    return injection.real.rename(from, to);
}

} // namespace

FileFaultInjection::FileFaultInjection(FileFault fault, int nth) : saved_(fileSystemCalls()) {
    injection = Injection{fault, nth, 0, 0, 0, false, saved_};
    fileSystemCalls() = {injectedWrite, injectedSync, injectedRename, saved_.fsyncFolder};
}

FileFaultInjection::~FileFaultInjection() {
    fileSystemCalls() = saved_;
}

int FileFaultInjection::writes() const {
    return injection.writes;
}
int FileFaultInjection::syncs() const {
    return injection.syncs;
}
int FileFaultInjection::renames() const {
    return injection.renames;
}

std::vector<FileFaultPoint> fileFaultPoints(int writes, int syncs, int renames) {
    std::vector<FileFaultPoint> points;
    for (int n = 1; n <= writes; ++n) {
        points.push_back({FileFault::WriteFails, n});
        points.push_back({FileFault::ShortWrite, n});
        points.push_back({FileFault::DiskFull, n});
    }
    for (int n = 1; n <= syncs; ++n) {
        points.push_back({FileFault::SyncFails, n});
    }
    for (int n = 1; n <= renames; ++n) {
        points.push_back({FileFault::RenameFails, n});
    }
    return points;
}
