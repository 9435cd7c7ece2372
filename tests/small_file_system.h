// A real full or read-only disk for tests: a tmpfs of a few pages mounted over a folder, filled
// to the last byte or remounted read-only.
#pragma once

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/mount.h>
#include <unistd.h>
#include <vector>

class SmallFileSystem {
  public:
    SmallFileSystem() = default;
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;
    ~SmallFileSystem() { unmount(); }

    // Mounts a tmpfs over `folder`, keeping what the folder held. Gives why it cannot when the
    // tests do not run as root or the machine does not allow mounting.
    std::optional<std::string> mountOver(const std::filesystem::path& folder,
                                         std::size_t bytes = 512 * 1024) {
        namespace fs = std::filesystem;
        if (::geteuid() != 0) {
            return "needs root to mount a small tmpfs";
        }
        const fs::path aside = folder.string() + ".aside";
        std::error_code error;
        fs::rename(folder, aside, error);
        fs::create_directory(folder, error);
        const std::string options = "size=" + std::to_string(bytes);
        if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) != 0) {
            const std::string why = std::string("cannot mount a tmpfs here: ") + strerror(errno);
            fs::remove(folder, error);
            fs::rename(aside, folder, error);
            return why;
        }
        folder_ = folder;
        fs::copy(aside, folder, fs::copy_options::recursive | fs::copy_options::copy_symlinks,
                 error);
        fs::remove_all(aside, error);
        return std::nullopt;
    }

    // Takes every free byte with a filler file: the next write anywhere finds no space.
    void fill() {
        const int filler =
            ::open((folder_ / ".filler").c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        const std::vector<char> chunk(4096, 'f');
        for (std::size_t size : {std::size_t{4096}, std::size_t{1}}) {
            while (::write(filler, chunk.data(), size) > 0) {
            }
        }
        ::close(filler);
    }

    // Makes the mounted folder read-only, for root as well.
    bool makeReadOnly() {
        return ::mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

    void unmount() {
        if (!folder_.empty()) {
            ::umount2(folder_.c_str(), MNT_DETACH);
            folder_.clear();
        }
    }

  private:
    std::filesystem::path folder_;
};
