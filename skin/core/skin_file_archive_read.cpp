#include <zip.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <memory>

#include "skin/core/skin_file_archive.h"
#include "skin/core/skin_file_format.h"

namespace kestrum::skinfile {

namespace {

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct EntryCloser {
    void operator()(zip_file_t* entry) const { zip_fclose(entry); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;
using Entry = std::unique_ptr<zip_file_t, EntryCloser>;

// Opens the archive behind the two-byte mark. Its offsets count from the
// start of the file, so libzip reads the whole file and skips the mark as it
// would the stub of a self-extracting archive.
Archive OpenArchive(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return nullptr;
    }
    char mark[2];
    if (std::fread(mark, 1, sizeof mark, file) != sizeof mark ||
        std::memcmp(mark, kMagic.data(), sizeof mark) != 0) {
        std::fclose(file);
        return nullptr;
    }
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_filep_create(file, 0, -1, &error);
    if (source == nullptr) {
        std::fclose(file);
        zip_error_fini(&error);
        return nullptr;
    }
    zip_t* archive = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (archive == nullptr) {
        zip_source_free(source);  // closes the file
    }
    zip_error_fini(&error);
    return Archive(archive);
}

}  // namespace

SkinReadOutcome ExtractSkinData(const std::string& path, const std::string& password,
                                TemporaryDataFile& out) {
    const Archive archive = OpenArchive(path);
    if (!archive) {
        return SkinReadOutcome::ArchiveFailed;
    }
    const zip_int64_t index =
        zip_name_locate(archive.get(), std::string(kDataEntryName).c_str(), ZIP_FL_NOCASE);
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (index < 0 ||
        zip_stat_index(archive.get(), static_cast<zip_uint64_t>(index), 0, &stat) != 0 ||
        (stat.valid & ZIP_STAT_SIZE) == 0) {
        return SkinReadOutcome::ArchiveFailed;
    }
    if (stat.size > kMaxDataEntrySize) {
        return SkinReadOutcome::TooLarge;
    }
    const Entry entry(zip_fopen_index_encrypted(archive.get(), static_cast<zip_uint64_t>(index), 0,
                                                password.empty() ? nullptr : password.c_str()));
    if (!entry) {
        return SkinReadOutcome::ArchiveFailed;
    }

    // Read at most one byte more than announced: enough to see a mismatch,
    // never enough for a small archive to unpack without end.
    std::array<char, 64 * 1024> buffer;
    zip_uint64_t total = 0;
    while (total <= stat.size) {
        const zip_uint64_t wanted = std::min<zip_uint64_t>(buffer.size(), stat.size + 1 - total);
        const zip_int64_t n = zip_fread(entry.get(), buffer.data(), wanted);
        if (n < 0) {
            return SkinReadOutcome::ArchiveFailed;
        }
        if (n == 0) {
            break;
        }
        if (!out.Append(buffer.data(), static_cast<std::size_t>(n))) {
            return SkinReadOutcome::TempFileFailed;
        }
        total += static_cast<zip_uint64_t>(n);
    }
    return total == stat.size ? SkinReadOutcome::Loaded : SkinReadOutcome::SizeMismatch;
}

}  // namespace kestrum::skinfile
