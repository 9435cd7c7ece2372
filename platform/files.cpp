// Files of the device, named by handheld paths: open, read, write, seek, copy, delete, search.
#include "platform/files.h"

#include "platform/device_root.h"
#include "platform/file_replacement.h"
#include "platform/regular_file.h"

#include <QDir>
#include <QString>
#include <algorithm>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

bool isRegularFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

QString qtPath(const fs::path& path) {
    return QString::fromStdString(path.string());
}

} // namespace

std::unique_ptr<File> File::openForReading(std::u16string_view handheldPath) {
    const auto path = nativePath(handheldPath);
    const int descriptor = path ? openRegularFileForReading(*path) : -1;
    if (descriptor < 0) {
        return nullptr;
    }
    std::FILE* stream = ::fdopen(descriptor, "rb");
    if (!stream) {
        ::close(descriptor);
        return nullptr;
    }
    return std::unique_ptr<File>(new File(stream));
}

File::~File() {
    std::fclose(stream_);
}

std::size_t File::read(void* buffer, std::size_t count) {
    if (count == 0) {
        return 0; // an empty buffer may have no address at all
    }
    return std::fread(buffer, 1, count, stream_);
}

bool File::seek(std::int64_t offset, SeekOrigin origin) {
    const int whence = origin == SeekOrigin::Begin     ? SEEK_SET
                       : origin == SeekOrigin::Current ? SEEK_CUR
                                                       : SEEK_END;
    return std::fseek(stream_, static_cast<long>(offset), whence) == 0;
}

std::int64_t File::tell() {
    return std::ftell(stream_);
}

std::int64_t File::size() {
    const std::int64_t here = tell();
    if (here < 0 || std::fseek(stream_, 0, SEEK_END) != 0) {
        return -1;
    }
    const std::int64_t end = tell();
    std::fseek(stream_, static_cast<long>(here), SEEK_SET);
    return end;
}

std::optional<std::vector<std::uint8_t>> readWholeFile(std::u16string_view handheldPath,
                                                       std::size_t maxBytes) {
    const auto path = nativePath(handheldPath);
    return path ? readNativeWholeFile(*path, maxBytes) : std::nullopt;
}

std::optional<std::vector<std::uint8_t>> readFileStart(std::u16string_view handheldPath,
                                                       std::size_t maxBytes) {
    const auto path = nativePath(handheldPath);
    return path ? readNativeFileStart(*path, maxBytes) : std::nullopt;
}

FileStart readFileStartOrWhyNot(std::u16string_view handheldPath, std::size_t maxBytes) {
    const auto path = nativePath(handheldPath);
    return path ? readNativeFileStartOrWhyNot(*path, maxBytes) : FileStart{};
}

bool replaceFile(std::u16string_view handheldPath, const void* data, std::size_t count) {
    const auto path = nativePath(handheldPath);
    return path && replaceNativeFile(*path, data, count);
}

bool replaceFiles(std::span<const std::u16string> handheldPaths,
                  std::span<const std::vector<std::uint8_t>> contents) {
    std::vector<fs::path> targets;
    for (const auto& handheldPath : handheldPaths) {
        const auto path = nativePath(handheldPath);
        if (!path) {
            return false;
        }
        targets.push_back(*path);
    }
    return replaceNativeFiles(targets, contents);
}

int removeLeftoverTemporaryFiles(std::u16string_view handheldFolder, const LeftoverRule& rule) {
    const auto path = nativePath(handheldFolder);
    return path ? removeLeftoverTemporaries(*path, rule) : 0;
}

bool fileExists(std::u16string_view handheldPath) {
    const auto path = nativePath(handheldPath);
    return path && isRegularFile(*path);
}

bool copyFile(std::u16string_view from, std::u16string_view to, bool overwrite) {
    const auto source = nativePath(from);
    const auto target = nativePath(to);
    std::error_code error;
    if (!source || !target || (!overwrite && fs::exists(*target, error))) {
        return false;
    }
    return copyNativeFile(*source, *target);
}

bool sameFileContent(std::u16string_view first, std::u16string_view second) {
    const auto a = nativePath(first);
    const auto b = nativePath(second);
    return a && b && sameNativeFileContent(*a, *b);
}

bool deleteFile(std::u16string_view handheldPath) {
    const auto path = nativePath(handheldPath);
    std::error_code error;
    return path && isRegularFile(*path) && fs::remove(*path, error);
}

bool createDirectory(std::u16string_view handheldPath) {
    const auto path = nativePath(handheldPath);
    std::error_code error;
    return path && fs::create_directory(*path, error);
}

namespace {

// Matches '*' (any run) and '?' (any one unit) against a name already folded to one case.
bool wildcardMatch(std::u16string_view pattern, std::u16string_view name) {
    std::size_t p = 0, n = 0, starP = std::u16string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            starP = p++;
            starN = n;
        } else if (starP != std::u16string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*') {
        ++p;
    }
    return p == pattern.size();
}

std::u16string folded(const QString& text) {
    return text.toCaseFolded().toStdU16String();
}

} // namespace

std::vector<std::u16string> findFiles(std::u16string_view folder, std::u16string_view pattern) {
    const auto path = nativePath(folder);
    if (!path) {
        return {};
    }
    const std::u16string foldedPattern =
        folded(QString::fromUtf16(pattern.data(), qsizetype(pattern.size())));
    QStringList names = QDir(qtPath(*path)).entryList(QDir::Files | QDir::Hidden | QDir::System);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int ignoringCase = a.compare(b, Qt::CaseInsensitive);
        return ignoringCase != 0 ? ignoringCase < 0 : a < b;
    });
    std::vector<std::u16string> found;
    for (const QString& name : names) {
        if (wildcardMatch(foldedPattern, folded(name))) {
            found.push_back(name.toStdU16String());
        }
    }
    return found;
}
