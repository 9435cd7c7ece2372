// A set of files that belong together (a theme's seven bitmaps), replaced as one by one rename.
#include "platform/file_set.h"

#include "platform/file_replacement.h"
#include "platform/file_system_calls.h"
#include "platform/temporary_names.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// What stands at home/name: nothing, the link of a set, or something else (a folder made by
// hand, say).
enum class SetPlace { Empty, Link, Other };

SetPlace setPlace(const fs::path& place) {
    struct stat status {};
    if (::lstat(place.c_str(), &status) != 0) {
        return errno == ENOENT ? SetPlace::Empty : SetPlace::Other;
    }
    return S_ISLNK(status.st_mode) ? SetPlace::Link : SetPlace::Other;
}

// The name of the folder a set's link leads to, when it is a link.
std::string linkTarget(const fs::path& place) {
    std::error_code error;
    const fs::path target = fs::read_symlink(place, error);
    return error ? std::string() : target.string();
}

// A fresh, empty folder for a new set, under a temporary name of this writer.
std::optional<std::string> makeSetFolder(const fs::path& home, std::string_view name) {
    for (int attempt = 0; attempt < 8; ++attempt) {
        std::string folder = temporaryName(name);
        if (::mkdir((home / folder).c_str(), 0777) == 0) {
            return folder;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    return std::nullopt;
}

// Points home/name at `folder` with one rename of a new link, over an old link or nothing.
// A folder or file made by hand in the link's place is exchanged with the link in one step
// where the file system can, and is otherwise left alone: the swap then fails. Gives the name in
// `home` of what the swap took out of the set's place (an old set's folder, or the hand-made
// one; empty when there was none or the link led elsewhere), or nothing when the swap failed.
std::optional<std::string> swapSetLink(const fs::path& home, std::string_view name,
                                       const std::string& folder) {
    const fs::path place = home / name;
    const std::string link = temporaryName(name);
    if (::symlink(folder.c_str(), (home / link).c_str()) != 0) {
        return std::nullopt;
    }
    const SetPlace before = setPlace(place);
    int failed = 0;
    std::string replaced;
    if (before == SetPlace::Other) {
        failed =
            ::renameat2(AT_FDCWD, (home / link).c_str(), AT_FDCWD, place.c_str(), RENAME_EXCHANGE);
        replaced = link; // the hand-made folder, after the exchange
    } else {
        replaced = before == SetPlace::Link ? linkTarget(place) : std::string();
        failed = fileSystemCalls().rename((home / link).c_str(), place.c_str());
    }
    if (failed != 0) {
        ::unlink((home / link).c_str());
        return std::nullopt;
    }
    return replaced;
}

// Removes the folder a swap took out, when this module made it or exchanged it, never a folder
// elsewhere that the link was pointed at by hand.
void removeReplacedSet(const fs::path& home, std::string_view name, const std::string& replaced) {
    const auto parts = parseTemporaryName(replaced);
    std::error_code error;
    if (parts && parts->target == name && replaced.find('/') == std::string::npos) {
        fs::remove_all(home / replaced, error);
    }
}

bool linkSet(const fs::path& home, std::string_view name, const std::string& folder) {
    const auto replaced = swapSetLink(home, name, folder);
    if (!replaced) {
        std::error_code error;
        fs::remove_all(home / folder, error);
        return false;
    }
    syncNativeFolder(home);
    removeReplacedSet(home, name, *replaced);
    return true;
}

} // namespace

bool ensureFileSet(const fs::path& home, std::string_view name) {
    std::error_code error;
    if (home.empty()) {
        return false;
    }
    fs::create_directories(home, error);
    // No set yet, or a link whose folder is gone: a fresh, empty one.
    const SetPlace place = setPlace(home / name);
    if (place == SetPlace::Empty ||
        (place == SetPlace::Link && !fs::is_directory(home / name, error))) {
        const auto folder = makeSetFolder(home, name);
        if (!folder || !linkSet(home, name, *folder)) {
            return false;
        }
    }
    return fs::is_directory(home / name, error);
}

bool replaceFileSet(const fs::path& home, std::string_view name,
                    std::span<const std::string> fileNames,
                    std::span<const std::vector<std::uint8_t>> contents) {
    std::error_code error;
    if (home.empty() || fileNames.size() != contents.size()) {
        return false;
    }
    fs::create_directories(home, error);
    const auto folder = makeSetFolder(home, name);
    if (!folder) {
        return false;
    }
    for (std::size_t k = 0; k < fileNames.size(); ++k) {
        FileReplacement file(home / *folder / fileNames[k]);
        if (!file.write(contents[k].data(), contents[k].size()) || !file.commit()) {
            fs::remove_all(home / *folder, error);
            return false;
        }
    }
    return linkSet(home, name, *folder);
}

void removeFileSetLeftovers(const fs::path& home, std::string_view name) {
    const std::string current =
        setPlace(home / name) == SetPlace::Link ? linkTarget(home / name) : std::string();
    const std::string own(name);
    removeLeftoverTemporaries(
        home, {[&own](std::string_view target) { return target == own; }, true, current});
    removeLeftoverTemporaries(home / name, {[](std::string_view) { return true; }});
}
