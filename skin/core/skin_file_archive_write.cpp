#include <zip.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <fstream>

#include "skin/core/skin_file_archive.h"
#include "skin/core/skin_file_format.h"

namespace kestrum::skinfile {

namespace {

// Entries carry a fixed time so that the same input packs to the same file.
constexpr std::time_t kEntryTime = 1'262'304'000;  // 2010-01-01 00:00 UTC

// Where libzip writes the new archive. The output starts with the two-byte
// mark and every position reported to libzip counts from the start of the
// output, so the offsets libzip stores in the archive count from there too,
// as in a self-extracting archive.
struct MarkedOutput {
    std::string committed;
    std::string pending;
    zip_uint64_t position = 0;
    zip_error_t error;
};

zip_int64_t MarkedOutputCallback(void* userdata, void* data, zip_uint64_t length,
                                 zip_source_cmd_t command) {
    auto& out = *static_cast<MarkedOutput*>(userdata);
    switch (command) {
        case ZIP_SOURCE_SUPPORTS:
            return ZIP_SOURCE_SUPPORTS_WRITABLE;
        case ZIP_SOURCE_STAT:
            // No archive exists yet: libzip starts a new one.
            zip_error_set(&out.error, ZIP_ER_READ, ENOENT);
            return -1;
        case ZIP_SOURCE_ERROR:
            return zip_error_to_data(&out.error, data, length);
        case ZIP_SOURCE_OPEN:
        case ZIP_SOURCE_CLOSE:
        case ZIP_SOURCE_FREE:
        case ZIP_SOURCE_READ:
        case ZIP_SOURCE_SEEK:
        case ZIP_SOURCE_TELL:
            return 0;
        case ZIP_SOURCE_BEGIN_WRITE:
            out.pending.assign(kMagic);
            out.position = out.pending.size();
            return 0;
        case ZIP_SOURCE_WRITE: {
            if (out.position > out.pending.size()) {
                out.pending.resize(out.position, '\0');
            }
            const std::size_t overwritten =
                std::min<std::size_t>(length, out.pending.size() - out.position);
            out.pending.replace(out.position, overwritten, static_cast<const char*>(data), length);
            out.position += length;
            return static_cast<zip_int64_t>(length);
        }
        case ZIP_SOURCE_SEEK_WRITE: {
            const zip_int64_t to = zip_source_seek_compute_offset(out.position, out.pending.size(),
                                                                  data, length, &out.error);
            if (to < static_cast<zip_int64_t>(kMagic.size())) {
                zip_error_set(&out.error, ZIP_ER_SEEK, EINVAL);
                return -1;
            }
            out.position = static_cast<zip_uint64_t>(to);
            return 0;
        }
        case ZIP_SOURCE_TELL_WRITE:
            return static_cast<zip_int64_t>(out.position);
        case ZIP_SOURCE_COMMIT_WRITE:
            out.committed = std::move(out.pending);
            return 0;
        case ZIP_SOURCE_ROLLBACK_WRITE:
            out.pending.clear();
            return 0;
        case ZIP_SOURCE_REMOVE:
            out.committed.clear();
            return 0;
        default:
            zip_error_set(&out.error, ZIP_ER_OPNOTSUPP, 0);
            return -1;
    }
}

std::string ArchiveError(zip_t* archive) {
    return std::string("cannot build the archive: ") + zip_strerror(archive);
}

// Builds the whole skin file in memory.
std::string PackData(std::string_view data, const std::string& password, std::string& bytes) {
    MarkedOutput out;
    zip_error_init(&out.error);
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* target = zip_source_function_create(MarkedOutputCallback, &out, &error);
    zip_t* archive = target != nullptr ? zip_open_from_source(target, ZIP_CREATE, &error) : nullptr;
    if (archive == nullptr) {
        std::string message =
            std::string("cannot start the archive: ") + zip_error_strerror(&error);
        if (target != nullptr) {
            zip_source_free(target);
        }
        zip_error_fini(&error);
        return message;
    }
    zip_error_fini(&error);

    zip_source_t* content = zip_source_buffer(archive, data.data(), data.size(), 0);
    const zip_int64_t index =
        content != nullptr ? zip_file_add(archive, std::string(kDataEntryName).c_str(), content, 0)
                           : -1;
    if (index < 0) {
        zip_source_free(content);
    }
    const auto entry = static_cast<zip_uint64_t>(index);
    if (index < 0 || zip_set_file_compression(archive, entry, ZIP_CM_DEFLATE, 9) != 0 ||
        zip_file_set_mtime(archive, entry, kEntryTime, 0) != 0 ||
        (!password.empty() &&
         zip_file_set_encryption(archive, entry, ZIP_EM_AES_256, password.c_str()) != 0) ||
        zip_close(archive) != 0) {
        std::string message = ArchiveError(archive);
        zip_discard(archive);
        zip_error_fini(&out.error);
        return message;
    }
    zip_error_fini(&out.error);
    bytes = std::move(out.committed);
    return {};
}

}  // namespace

std::string WriteSkinArchive(const std::string& path, std::string_view data,
                             const std::string& password) {
    std::string bytes;
    if (std::string error = PackData(data, password, bytes); !error.empty()) {
        return error;
    }
    // Write beside the target and rename, so a failure never leaves half a file.
    const std::string partial = path + ".partial";
    {
        std::ofstream file(partial, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        file.close();
        if (!file) {
            std::remove(partial.c_str());
            return "cannot write " + path;
        }
    }
    if (std::rename(partial.c_str(), path.c_str()) != 0) {
        std::remove(partial.c_str());
        return "cannot write " + path;
    }
    return {};
}

}  // namespace kestrum::skinfile
