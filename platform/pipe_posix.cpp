#include "platform/pipe.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>
#include <cerrno>

namespace kestrum::platform {

namespace {

// Keeps pipe ends off 0, 1 and 2. When the program itself was started with one
// of those closed, a new pipe could take its number; handing such an end to a
// child as, say, its standard output would then overwrite another end before
// it is handed over.
bool MoveAboveStandardHandles(int& fd) {
    if (fd > 2) {
        return true;
    }
    const int moved = ::fcntl(fd, F_DUPFD_CLOEXEC, 3);
    if (moved < 0) {
        return false;
    }
    ::close(fd);
    fd = moved;
    return true;
}

}  // namespace

bool CreatePipe(PipeEnds& ends) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        return false;
    }
    if (!MoveAboveStandardHandles(fds[0]) || !MoveAboveStandardHandles(fds[1])) {
        const int error = errno;
        ::close(fds[0]);
        ::close(fds[1]);
        errno = error;
        return false;
    }
    ends.read = fds[0];
    ends.write = fds[1];
    return true;
}

bool HandOverChildEnd(NativeHandle& /*childEnd*/, NativeHandle /*ownEnd*/) {
    return true;  // both ends are close-on-exec; StartChildProcess hands the child its copies
}

bool BytesInPipe(NativeHandle readEnd, std::uint32_t& count) {
    int waiting = 0;
    if (::ioctl(readEnd, FIONREAD, &waiting) != 0 || waiting < 0) {
        count = 0;
        return false;
    }
    count = static_cast<std::uint32_t>(waiting);
    return true;
}

bool ReadPipe(NativeHandle readEnd, char* buffer, std::uint32_t count, std::uint32_t& done) {
    ssize_t got = 0;
    do {
        got = ::read(readEnd, buffer, count);
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        done = 0;
        return false;
    }
    done = static_cast<std::uint32_t>(got);
    return true;
}

}  // namespace kestrum::platform
