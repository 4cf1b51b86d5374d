#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>

#include "platform/file_system.h"
#include "skin/core/skin_file_temp.h"

namespace kestrum::skinfile {

namespace {

constexpr int kCreateAttempts = 4;

int Descriptor(std::intptr_t handle) {
    return static_cast<int>(handle);
}

// Repeats a positioned read or write, given the bytes done so far, until all
// `size` bytes are through.
template <typename Transfer>
bool Whole(std::size_t size, Transfer transfer) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = transfer(done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::string TemporaryFolder() {
    const char* fromEnvironment = std::getenv("TMPDIR");
    std::string folder = fromEnvironment != nullptr && fromEnvironment[0] == '/' &&
                                 platform::DirectoryExists(fromEnvironment)
                             ? fromEnvironment
                             : "/tmp";
    if (folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

std::unique_ptr<TemporaryDataFile> TemporaryDataFile::Create() {
    const std::string folder = TemporaryFolder();
    // A clash of two new GUIDs is all but impossible; a few attempts cover it.
    for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
        std::string path = folder + NewGuidText();
        const int fd =
            ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) {
            return std::unique_ptr<TemporaryDataFile>(new TemporaryDataFile(std::move(path), fd));
        }
        if (errno != EEXIST) {
            break;
        }
    }
    return nullptr;
}

TemporaryDataFile::~TemporaryDataFile() {
    ::close(Descriptor(handle_));
    ::unlink(path_.c_str());
}

bool TemporaryDataFile::Append(const char* data, std::size_t size) {
    const int fd = Descriptor(handle_);
    const auto at = static_cast<off_t>(size_);
    if (!Whole(size, [&](std::size_t done) {
            return ::pwrite(fd, data + done, size - done, at + static_cast<off_t>(done));
        })) {
        return false;
    }
    size_ += size;
    return true;
}

bool TemporaryDataFile::ReadAt(std::uint64_t offset, std::size_t size, char* out) const {
    if (!Fits(offset, size, size_)) {
        return false;
    }
    const int fd = Descriptor(handle_);
    const auto at = static_cast<off_t>(offset);
    return Whole(size, [&](std::size_t done) {
        return ::pread(fd, out + done, size - done, at + static_cast<off_t>(done));
    });
}

}  // namespace kestrum::skinfile
