#include <cstdio>

#include "skin/core/skin_file_archive.h"
#include "skin/core/skin_file_sk2_build.h"
#include "skin/skinpack/skin_folder.h"
#include "skin/skinpack/skinpack_modes.h"

namespace kestrum::skinpack {

int Pack(const Options& options) {
    const FolderContent content = ReadSkinFolder(options.folder);
    if (!content.error.empty()) {
        std::fprintf(stderr, "kestrum-skinpack: %s\n", content.error.c_str());
        return 1;
    }
    const std::string data = skinfile::BuildSk2(content.records);
    if (data.size() > skinfile::kMaxDataEntrySize) {
        std::fprintf(stderr, "kestrum-skinpack: the skin data would exceed 64 MiB\n");
        return 1;
    }
    const std::string error = skinfile::WriteSkinArchive(options.file, data, options.password);
    if (!error.empty()) {
        std::fprintf(stderr, "kestrum-skinpack: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

}  // namespace kestrum::skinpack
