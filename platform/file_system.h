#pragma once

#include <compare>
#include <cstdint>
#include <string>

namespace kestrum::platform {

// True when something that is not a folder exists at path (a file, a device, ...).
bool FileExists(const std::string& path);

// True when path names an existing folder.
bool DirectoryExists(const std::string& path);

// Creates the folder and any missing parents; new folders get `mode`.
// True when the folder exists afterwards.
bool ForceDirectories(const std::string& path, unsigned mode = 0777);

// The folder holding the running executable, with a trailing separator.
std::string ExecutableFolder();

// What tells one program file apart from another, even at the same path:
// a file replaced by another (a new build copied over, a package upgrade)
// differs in at least one of these.
struct FileIdentity {
    std::string path;  // absolute, symbolic links resolved (POSIX)
    std::uint64_t size = 0;
    std::int64_t modified = 0;  // last change, in the system's own units
    std::uint64_t device = 0;   // the volume serial number on Windows
    std::uint64_t file = 0;     // the inode; the file index on Windows

    auto operator<=>(const FileIdentity&) const = default;
};

// The identity of an existing file that is not a folder; false when there is none.
bool IdentifyFile(const std::string& path, FileIdentity& identity);

// True when both paths name the same existing file (same device and inode on
// POSIX), however they are spelt.
bool SameExistingFile(const std::string& a, const std::string& b);

// True when both paths name the same place for a file, whether or not a file
// is there yet: the same text, the same existing file, or the same name (on
// Windows in any case) in the same existing folder however it is spelt.
bool SameFilePlace(const std::string& a, const std::string& b);

// The file `path` finally names, through any symbolic links on the way; the
// path itself when it names no link (always on Windows).
std::string LinkTarget(const std::string& path);

}  // namespace kestrum::platform

namespace kestrum::platform {

// A file written under a name of its own takes its final name in one step
// once it is whole. Each returns 0, or the system's error code.

// Creates a new, empty file at `path`, failing when anything exists under
// that name, so that the file is ours alone. When `permissionsOf` names an
// existing file, the new one gets its permission bits (POSIX).
int CreateNewFile(const std::string& path, const std::string& permissionsOf);
// CreateNewFile's error for a name that is taken, and for one too long for
// the system to take.
bool IsNameTaken(int error);
bool IsNameTooLong(int error);

// Gives the whole file `from` the name `to`: its data goes to disk first,
// then it is renamed in one step (rename on POSIX, MoveFileEx on Windows).
// With `replace`, a file at `to` is replaced, so that `to` names the old file
// or the new one and never anything less; without, a file at `to` is kept
// and the rename fails. Both must be on one file system. On failure nothing
// changes.
int RenameWholeFile(const std::string& from, const std::string& to, bool replace);

int RemoveFile(const std::string& path);

}  // namespace kestrum::platform

namespace kestrum::platform {

// The whole content of a regular file; nothing when it is missing, not a
// regular file, unreadable, or longer than `limit` bytes.
bool ReadWholeFile(const std::string& path, std::string& content,
                   std::size_t limit = std::string().max_size());

// Replaces the file's content all at once: writes a temporary file beside it,
// flushes it to disk and renames it over the file, keeping the file's
// permission bits (0600 for a new file). A symbolic link is followed, so the
// file it points to is replaced. A file without any write permission bit
// counts as read-only and is refused. Returns 0, or the system error code.
int ReplaceFileContent(const std::string& path, const std::string& content);

}  // namespace kestrum::platform
