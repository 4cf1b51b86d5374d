#include "platform/file_in_use.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrum::platform {

namespace {

// Linux has two lock families that do not see each other: flock() locks and
// fcntl() record locks (classic and open-file-description ones conflict with
// each other). Probing both finds a holder of either kind. A writer that takes
// no lock at all cannot be detected on Linux; such a file reads as free.
bool SomeoneHoldsALock(int fd) {
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        return true;
    }
    ::flock(fd, LOCK_UN);

    struct flock probe {};
    probe.l_type = F_WRLCK;
    probe.l_whence = SEEK_SET;
    probe.l_start = 0;
    probe.l_len = 0;
    if (::fcntl(fd, F_OFD_SETLK, &probe) != 0) {
        return true;
    }
    probe.l_type = F_UNLCK;
    ::fcntl(fd, F_OFD_SETLK, &probe);
    return false;
}

}  // namespace

bool IsFileInUse(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) {
        return false;
    }
    // A file without any write permission bit is read-only, even for root,
    // who could otherwise open it for writing.
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return true;
    }
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return true;
    }
    const bool locked = SomeoneHoldsALock(fd);
    ::close(fd);
    return locked;
}

}  // namespace kestrum::platform
