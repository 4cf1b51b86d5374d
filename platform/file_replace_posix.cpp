#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <string>

#include "platform/file_system.h"

namespace kestrum::platform {

int CreateNewFile(const std::string& path, const std::string& permissionsOf) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) {
        return errno;
    }
    // A file that replaces another keeps the old one's permissions: a
    // private output stays private.
    struct stat st {};
    int error = 0;
    if (::stat(permissionsOf.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
        ::fchmod(fd, st.st_mode & 07777) != 0) {
        error = errno;
    }
    ::close(fd);
    if (error != 0) {
        ::unlink(path.c_str());
    }
    return error;
}

bool IsNameTaken(int error) {
    return error == EEXIST;
}

bool IsNameTooLong(int error) {
    return error == ENAMETOOLONG;
}

namespace {

// Renames without replacing anything. A file system that cannot do that in
// one step gets a look first.
int RenameToFreeName(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return errno;
    }
    struct stat st {};
    if (::lstat(to.c_str(), &st) == 0) {
        return EEXIST;
    }
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

}  // namespace

int RenameWholeFile(const std::string& from, const std::string& to, bool replace) {
    const int fd = ::open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return errno;
    }
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    if (error != 0) {
        return error;
    }
    if (!replace) {
        return RenameToFreeName(from, to);
    }
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int RemoveFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

}  // namespace kestrum::platform
