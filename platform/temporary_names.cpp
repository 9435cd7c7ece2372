// The names of temporary files, ".<target>.<pid>-<n>.tmp", and removing those a crash left.
#include "platform/temporary_names.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSuffix = ".tmp";

// A run of decimal digits as a number; nothing when empty or not all digits.
std::optional<long long> decimal(std::string_view digits) {
    long long value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::string temporaryName(std::string_view target) {
    static std::atomic<unsigned> counter{0};
    return "." + std::string(target) + "." + std::to_string(::getpid()) + "-" +
           std::to_string(counter++) + std::string(kSuffix);
}

std::optional<TemporaryNameParts> parseTemporaryName(std::string_view name) {
    if (name.size() <= 1 + kSuffix.size() || name.front() != '.' || !name.ends_with(kSuffix)) {
        return std::nullopt;
    }
    name = name.substr(1, name.size() - 1 - kSuffix.size()); // "<target>.<pid>-<n>"
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) {
        return std::nullopt;
    }
    const std::string_view writerAndCount = name.substr(dot + 1);
    const auto dash = writerAndCount.find('-');
    if (dash == std::string_view::npos) {
        return std::nullopt;
    }
    const auto writer = decimal(writerAndCount.substr(0, dash));
    if (!writer || !decimal(writerAndCount.substr(dash + 1)) || *writer <= 0 ||
        *writer != static_cast<pid_t>(*writer)) {
        return std::nullopt;
    }
    return TemporaryNameParts{std::string(name.substr(0, dot)), static_cast<pid_t>(*writer)};
}

bool processIsRunning(pid_t pid) {
    return pid == ::getpid() || ::kill(pid, 0) == 0 || errno == EPERM;
}

int removeLeftoverTemporaries(const fs::path& folder, const LeftoverRule& rule) {
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    if (error) {
        return 0;
    }
    int removed = 0;
    for (const fs::directory_entry& entry : entries) {
        const std::string name = entry.path().filename().string();
        const auto parts = parseTemporaryName(name);
        if (!parts || !rule.isOwn(parts->target) || processIsRunning(parts->writer) ||
            name == rule.keep) {
            continue;
        }
        // Looked at without following links: a link is removed, never what it points to.
        struct stat status {};
        if (::lstat(entry.path().c_str(), &status) != 0) {
            continue;
        }
        if (S_ISREG(status.st_mode) || S_ISLNK(status.st_mode)) {
            removed += ::unlink(entry.path().c_str()) == 0;
        } else if (S_ISDIR(status.st_mode) && rule.folders) {
            removed += fs::remove_all(entry.path(), error) > 0;
        }
    }
    return removed;
}
