// Opening only regular files, so a pipe, socket or device in a file's place never blocks or swells.
#include "platform/regular_file.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Reads up to maxBytes of an open regular file, never more than it claims to hold, so a
// hostile limit costs nothing. Nothing on an I/O error, or when wholeOnly and it is larger.
std::optional<std::vector<std::uint8_t>> readOpenFile(int descriptor, std::size_t maxBytes,
                                                      bool wholeOnly) {
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 ||
        (wholeOnly && static_cast<std::uint64_t>(status.st_size) > maxBytes)) {
        return std::nullopt;
    }
    const auto size = std::min<std::uint64_t>(static_cast<std::uint64_t>(status.st_size),
                                              static_cast<std::uint64_t>(maxBytes));
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(size));
    const std::int64_t got = readFully(descriptor, buffer.data(), buffer.size());
    if (got < 0) {
        return std::nullopt;
    }
    buffer.resize(static_cast<std::size_t>(got));
    return buffer;
}

std::optional<std::vector<std::uint8_t>> readStart(const std::filesystem::path& path,
                                                   std::size_t maxBytes, bool wholeOnly) {
    const int descriptor = openRegularFileForReading(path);
    if (descriptor < 0) {
        return std::nullopt;
    }
    auto bytes = readOpenFile(descriptor, maxBytes, wholeOnly);
    ::close(descriptor);
    return bytes;
}

// Nothing at all of that name: not even a link (which lstat sees where open does not).
bool nothingNamed(const std::filesystem::path& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) != 0 && errno == ENOENT;
}

} // namespace

std::int64_t readFully(int descriptor, std::uint8_t* buffer, std::size_t count) {
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = ::read(descriptor, buffer + got, count - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return -1;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    return static_cast<std::int64_t>(got);
}

int openRegularFileForReading(const std::filesystem::path& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        return -1;
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return -1;
    }
    // Reads of a regular file never wait anyway; the flag only mattered for the open.
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    return descriptor;
}

bool replaceableFilePath(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return errno == ENOENT;
    }
    return S_ISREG(status.st_mode);
}

std::optional<std::vector<std::uint8_t>> readNativeFileStart(const std::filesystem::path& path,
                                                             std::size_t maxBytes) {
    return readStart(path, maxBytes, false);
}

std::optional<std::vector<std::uint8_t>> readNativeWholeFile(const std::filesystem::path& path,
                                                             std::size_t maxBytes) {
    return readStart(path, maxBytes, true);
}

FileStart readNativeFileStartOrWhyNot(const std::filesystem::path& path, std::size_t maxBytes) {
    const int descriptor = openRegularFileForReading(path);
    if (descriptor < 0) {
        return {nothingNamed(path) ? FileStart::State::Missing : FileStart::State::Unreadable, {}};
    }
    auto bytes = readOpenFile(descriptor, maxBytes, false);
    ::close(descriptor);
    if (!bytes) {
        return {FileStart::State::Unreadable, {}};
    }
    return {FileStart::State::Read, std::move(*bytes)};
}
