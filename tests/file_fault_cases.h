// Runs an operation that writes files through every fault a failing disk can cause.
#pragma once

#include "platform/file_faults.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Every entry of a folder, sorted: a temporary file left behind would show here.
inline std::vector<std::string> entries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

inline std::string faultName(const FileFaultPoint& point) {
    const char* names[] = {"none",      "write fails", "short write",
                           "disk full", "sync fails",  "rename fails"};
    return std::string(names[static_cast<int>(point.fault)]) + " at call " +
           std::to_string(point.nth);
}

// Counts the writes, syncs and renames of `attempt`, then for each fault point sets the scene
// again with `prepare`, runs `attempt` with that fault injected and hands the point to `check`.
template <typename Prepare, typename Attempt, typename Check>
void forEveryFileFault(Prepare prepare, Attempt attempt, Check check) {
    prepare();
    int writes = 0, syncs = 0, renames = 0;
    {
        FileFaultInjection counting;
        attempt();
        writes = counting.writes();
        syncs = counting.syncs();
        renames = counting.renames();
    }
    ASSERT_GT(writes, 0) << "the operation wrote nothing, so no fault could reach it";
    for (const FileFaultPoint& point : fileFaultPoints(writes, syncs, renames)) {
        SCOPED_TRACE(faultName(point));
        prepare();
        {
            FileFaultInjection fault(point.fault, point.nth);
            attempt();
        }
        check(point);
    }
}

// Whether a fault at this point lets the whole new content reach the disk: a short write is
// followed by a write of the rest.
inline bool faultIsRecoverable(const FileFaultPoint& point) {
    return point.fault == FileFault::ShortWrite;
}
