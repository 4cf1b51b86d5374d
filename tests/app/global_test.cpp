#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdlib>

#include "app/core/global.h"
#include "support/scoped_environment.h"
#include "support/temp_folder.h"

namespace kestrum {
namespace {

TEST(TwoDigits, PadsOnlyNumbersBelowTen) {
    const std::pair<std::int32_t, std::string> cases[] = {
        {7, "07"},  {0, "00"},  {9, "09"},    {10, "10"},
        {59, "59"}, {62, "62"}, {125, "125"}, {-5, "0-5"},
    };
    for (const auto& [n, text] : cases) {
        EXPECT_EQ(TwoDigits(n), text) << n;
    }
}

enum class LockKind { Flock, PosixRecord, OpenFileDescription };

// Holds a lock of the given kind on `path` in a child process until destroyed.
class LockHolder {
public:
    LockHolder(const std::string& path, LockKind kind) {
        int ready[2];
        if (::pipe(ready) != 0 || ::pipe(release_) != 0) {
            throw std::runtime_error("pipe");
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(release_[1]);  // so that the parent's close ends the read below
            ::close(ready[0]);
            const int fd = ::open(path.c_str(), O_RDWR);
            struct flock lock {};
            lock.l_type = F_WRLCK;
            lock.l_whence = SEEK_SET;
            bool locked = false;
            switch (kind) {
                case LockKind::Flock:
                    locked = ::flock(fd, LOCK_EX) == 0;
                    break;
                case LockKind::PosixRecord:
                    locked = ::fcntl(fd, F_SETLK, &lock) == 0;
                    break;
                case LockKind::OpenFileDescription:
                    locked = ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
                    break;
            }
            const char flag = locked ? '1' : '0';
            [[maybe_unused]] ssize_t n = ::write(ready[1], &flag, 1);
            char ignored;
            n = ::read(release_[0], &ignored, 1);
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release_[0]);
        char flag = '0';
        if (::read(ready[0], &flag, 1) != 1 || flag != '1') {
            throw std::runtime_error("the child could not take its lock");
        }
        ::close(ready[0]);
    }
    ~LockHolder() {
        ::close(release_[1]);
        ::waitpid(pid_, nullptr, 0);
    }

private:
    pid_t pid_ = -1;
    int release_[2] = {-1, -1};
};

TEST(IsFileInUse, MissingFreeReadOnlyAndLockedFiles) {
    test::TempFolder folder;
    const std::string path = folder / "out.mp4";
    EXPECT_FALSE(IsFileInUse(path));
    EXPECT_FALSE(IsFileInUse(folder.Path())) << "a folder is not a file";
    test::WriteFile(path, "data");
    EXPECT_FALSE(IsFileInUse(path));

    for (LockKind kind : {LockKind::Flock, LockKind::PosixRecord, LockKind::OpenFileDescription}) {
        {
            LockHolder holder(path, kind);
            EXPECT_TRUE(IsFileInUse(path)) << static_cast<int>(kind);
        }
        EXPECT_FALSE(IsFileInUse(path)) << "released " << static_cast<int>(kind);
    }

    ::chmod(path.c_str(), 0444);
    EXPECT_TRUE(IsFileInUse(path)) << "read-only, even for root";
    EXPECT_EQ(test::ReadFile(path), "data") << "the probe changes nothing";
}

TEST(GetAppDataFolder, FollowsTheBaseDirectoryRules) {
    const test::ScopedEnvironment home("HOME", "/home/someone");
    const test::ScopedEnvironment configHome("XDG_CONFIG_HOME", "/cfg");
    EXPECT_EQ(GetAppDataFolder(), "/cfg/");
    ::setenv("XDG_CONFIG_HOME", "relative/cfg", 1);
    EXPECT_EQ(GetAppDataFolder(), "/home/someone/.config/");
    ::setenv("XDG_CONFIG_HOME", "", 1);
    EXPECT_EQ(GetAppDataFolder(), "/home/someone/.config/");
    ::unsetenv("XDG_CONFIG_HOME");
    ::setenv("HOME", "/home/someone/", 1);
    EXPECT_EQ(GetAppDataFolder(), "/home/someone/.config/");
}

}  // namespace
}  // namespace kestrum
