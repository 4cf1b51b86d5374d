#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <cstdlib>
#include <optional>

#include "app/core/running_copy_place.h"
#include "support/scoped_environment.h"
#include "support/temp_folder.h"

namespace kestrum {
namespace {

using test::ScopedEnvironment;
using test::TempFolder;

TEST(RunningCopyName, IsStableAndDiffersPerUserAndSession) {
    const std::string name = RunningCopyName("1000\n2\n\n:0");
    EXPECT_EQ(name, RunningCopyName("1000\n2\n\n:0"));
    EXPECT_EQ(name.rfind("kestrum-zude-ridaz-", 0), 0u);
    EXPECT_EQ(name.size(), 19u + 16u) << "short enough for any socket path";
    EXPECT_NE(name, RunningCopyName("1001\n2\n\n:0"));
    EXPECT_NE(name, RunningCopyName("1000\n3\n\n:0"));
    EXPECT_NE(name, RunningCopyName("1000\n2\n\n:1"));
    EXPECT_EQ(StableHash(""), 14695981039346656037ULL);
    EXPECT_EQ(StableHash("a"), 0xaf63dc4c8601ec8cULL) << "FNV-1a, the same on every machine";
}

TEST(RunningCopyPlace, IsInThePrivateRuntimeFolderElseInAPrivateTemporaryOne) {
    TempFolder runtime;  // made 0700 by mkdtemp
    TempFolder temp;
    const ScopedEnvironment tmpdir("TMPDIR", temp.Path());
    const std::string runtimeFolder = runtime.Path().substr(0, runtime.Path().size() - 1);
    {
        const ScopedEnvironment xdg("XDG_RUNTIME_DIR", runtimeFolder);
        const std::optional<RunningCopyPlace> place = FindRunningCopyPlace();
        ASSERT_TRUE(place);
        EXPECT_EQ(place->lockFile.rfind(runtime.Path() + "kestrum-zude-ridaz-", 0), 0u);
        EXPECT_EQ(place->serverName.substr(0, place->serverName.size() - 7) + ".lock",
                  place->lockFile);
    }
    const std::string fallback = temp.Path() + "kestrum-" + std::to_string(::getuid());
    const struct {
        const char* why;
        std::string runtimeDir;
        mode_t runtimeMode;
    } cases[] = {
        {"unset", "", 0700},
        {"relative", "run/user", 0700},
        {"readable by others", runtimeFolder, 0755},
    };
    for (const auto& c : cases) {
        ::chmod(runtimeFolder.c_str(), c.runtimeMode);
        const ScopedEnvironment xdg("XDG_RUNTIME_DIR", c.runtimeDir);
        const std::optional<RunningCopyPlace> place = FindRunningCopyPlace();
        ASSERT_TRUE(place) << c.why;
        EXPECT_EQ(place->lockFile.rfind(fallback + "/", 0), 0u) << c.why;
        struct stat info {};
        ASSERT_EQ(::lstat(fallback.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0700u);
    }
    ::chmod(runtimeFolder.c_str(), 0700);

    // A fallback folder that others may enter, or that is a link, is refused.
    const ScopedEnvironment xdg("XDG_RUNTIME_DIR", "");
    ::chmod(fallback.c_str(), 0777);
    EXPECT_FALSE(FindRunningCopyPlace());
    ::rmdir(fallback.c_str());
    ASSERT_EQ(::symlink(runtimeFolder.c_str(), fallback.c_str()), 0);
    EXPECT_FALSE(FindRunningCopyPlace());
}

TEST(RunningCopyPlace, TheSocketPathAlwaysFitsItsAddress) {
    TempFolder temp;
    // Folders whose own paths leave no room for the socket's name.
    const std::string longRuntime = temp / std::string(80, 'r');
    const std::string longTemp = temp / std::string(90, 't');
    ASSERT_EQ(::mkdir(longRuntime.c_str(), 0700), 0);
    ASSERT_EQ(::mkdir(longTemp.c_str(), 0700), 0);
    const std::string shortTemp = temp.Path().substr(0, temp.Path().size() - 1);
    const std::string uid = std::to_string(::getuid());
    const struct {
        const char* why;
        std::optional<std::string> runtimeDir, tempDir;
        std::string folder;
    } cases[] = {
        {"long runtime folder: the temporary folder", longRuntime, shortTemp,
         temp.Path() + "kestrum-" + uid + "/"},
        {"long temporary folder: /tmp", std::nullopt, longTemp, "/tmp/kestrum-" + uid + "/"},
        {"both long: /tmp", longRuntime, longTemp, "/tmp/kestrum-" + uid + "/"},
    };
    for (const auto& c : cases) {
        const ScopedEnvironment xdg("XDG_RUNTIME_DIR", c.runtimeDir);
        const ScopedEnvironment tmpdir("TMPDIR", c.tempDir);
        const std::optional<RunningCopyPlace> place = FindRunningCopyPlace();
        ASSERT_TRUE(place) << c.why;
        EXPECT_EQ(place->serverName.rfind(c.folder, 0), 0u) << c.why << ": " << place->serverName;
        EXPECT_LT(place->serverName.size(), sizeof(sockaddr_un::sun_path)) << c.why;
    }
}

}  // namespace
}  // namespace kestrum
