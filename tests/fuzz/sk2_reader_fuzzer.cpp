// libFuzzer target: any bytes as a skin's data entry. Besides the sanitizers'
// checks, it traps when a bound of the reader is broken: stored data larger
// than the entry, or more records than the walk allows.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "skin/core/file_theme_names.h"
#include "skin/core/skin_file_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kestrum;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Tsk2SkinFileReader reader;
    if (reader.ReadData(skinfile::Sk2Bytes(bytes)) != skinfile::SkinReadOutcome::Loaded) {
        return 0;
    }
    std::size_t stored = 0;
    for (const Sk2DirectoryEntry& entry : reader.Directory()) {
        stored += entry.size;
    }
    if (stored > size || reader.Directory().size() > skinfile::kMaxRecords) {
        __builtin_trap();
    }
    for (const std::string_view name : kFileThemeEntryNames) {
        const std::string* bitmap = reader.Bitmap(name);
        if (bitmap != nullptr && bitmap->size() > size) {
            __builtin_trap();
        }
        (void)reader.Integer(name);
        (void)reader.Boolean(name);
        (void)reader.String(name);
    }
    return 0;
}
