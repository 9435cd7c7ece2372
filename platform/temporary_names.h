// The names of temporary files, ".<target>.<pid>-<n>.tmp", and removing those a crash left.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

// A fresh temporary name for a file that will take the name `target`: hidden, carrying the
// writer's process id, and never ending in the target's extension, so that a leftover is never
// taken for a theme or a bitmap.
std::string temporaryName(std::string_view target);

struct TemporaryNameParts {
    std::string target;
    pid_t writer;
};

// The target and writer a temporary name carries; nothing for any other name.
std::optional<TemporaryNameParts> parseTemporaryName(std::string_view name);

// Whether a process with this id runs; a process of another user counts as running.
bool processIsRunning(pid_t pid);

// What a program may remove at start: temporary names of targets it writes itself.
struct LeftoverRule {
    std::function<bool(std::string_view target)> isOwn;
    // Whether a folder of such a name goes too, with its content; otherwise only regular files.
    bool folders = false;
    // The name of an entry never removed: a folder in use under a temporary name.
    std::string keep = {};
};

// Removes the entries of `folder` that are temporary names of the rule's targets and whose
// writer has ended; never anything else. Gives how many went.
int removeLeftoverTemporaries(const std::filesystem::path& folder, const LeftoverRule& rule);
