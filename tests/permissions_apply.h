// Makes file permissions bind this thread even as root, so tests of unreadable files run there.
#pragma once

#include <fcntl.h>
#include <filesystem>
#include <linux/capability.h>
#include <optional>
#include <string>
#include <sys/syscall.h>
#include <unistd.h>

// While one lives, the thread lacks the two capabilities that let root read and search past
// permissions; they come back when it goes. Without them root is bound like any user.
class PermissionsApply {
  public:
    PermissionsApply() {
        if (::syscall(SYS_capget, &header_, saved_) != 0) {
            return;
        }
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        for (int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH}) {
            reduced[capability / 32].effective &= ~(1u << (capability % 32));
        }
        dropped_ = ::syscall(SYS_capset, &header_, reduced) == 0;
    }
    ~PermissionsApply() {
        if (dropped_) {
            ::syscall(SYS_capset, &header_, saved_);
        }
    }
    PermissionsApply(const PermissionsApply&) = delete;
    PermissionsApply& operator=(const PermissionsApply&) = delete;

    // Why a file without read permission can still be read here, if it can.
    static std::optional<std::string> whyNot(const std::filesystem::path& unreadableFile) {
        const int descriptor = ::open(unreadableFile.c_str(), O_RDONLY | O_NONBLOCK);
        if (descriptor < 0) {
            return std::nullopt;
        }
        ::close(descriptor);
        return "file permissions do not bind here, even without the capabilities that pass them";
    }

  private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2] = {};
    bool dropped_ = false;
};
