#include "skin_test_files.h"

#include <stdexcept>

#include "skin/core/skin_file_archive.h"
#include "skin/core/skin_file_sk2_build.h"

namespace kestrum::test {

std::string SkinFileBytesOfData(const std::string& data, const std::string& password) {
    TempFolder folder;
    const std::string path = folder / "skin.skin";
    const std::string error = skinfile::WriteSkinArchive(path, data, password);
    if (!error.empty()) {
        throw std::runtime_error(error);
    }
    return ReadFile(path);
}

std::string SkinFileBytes(const std::vector<skinfile::Sk2Record>& records,
                          const std::string& password) {
    return SkinFileBytesOfData(skinfile::BuildSk2(records), password);
}

void SetDeclaredSize(std::string& skinFile, std::uint32_t size) {
    // The local header comes first; the central directory's entry is the
    // last of its kind, after the (compressed) data.
    const struct {
        std::size_t at;
        std::size_t sizeAt;
    } headers[] = {{skinFile.find("PK\x03\x04"), 22}, {skinFile.rfind("PK\x01\x02"), 24}};
    for (const auto& header : headers) {
        if (header.at == std::string::npos) {
            throw std::runtime_error("no ZIP header");
        }
        const std::size_t at = header.at;
        for (std::size_t i = 0; i < 4; ++i) {
            skinFile[at + header.sizeAt + i] = static_cast<char>(size >> (8 * i));
        }
    }
}

}  // namespace kestrum::test
