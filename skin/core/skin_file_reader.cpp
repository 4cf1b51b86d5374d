#include "skin/core/skin_file_reader.h"

#include "platform/file_system.h"
#include "skin/core/skin_file_archive.h"
#include "skin/core/skin_file_temp.h"

namespace kestrum {

using skinfile::Sk2Kind;
using skinfile::SkinReadOutcome;

namespace {

template <typename Map>
const typename Map::mapped_type* Find(const Map& map, std::string_view name) {
    const auto it = map.find(skinfile::NameKey(name));
    return it != map.end() ? &it->second : nullptr;
}

}  // namespace

SkinReadOutcome Tsk2SkinFileReader::Read(const std::string& path, const std::string& password) {
    if (!platform::FileExists(path)) {
        return SkinReadOutcome::FileMissing;
    }
    const auto temporary = skinfile::TemporaryDataFile::Create();
    if (!temporary) {
        return SkinReadOutcome::TempFileFailed;
    }
    const SkinReadOutcome extracted = skinfile::ExtractSkinData(path, password, *temporary);
    if (extracted != SkinReadOutcome::Loaded) {
        return extracted;
    }
    return ReadData(*temporary);
}

SkinReadOutcome Tsk2SkinFileReader::ReadData(const skinfile::Sk2Input& input) {
    *this = Tsk2SkinFileReader();
    skinfile::Sk2Walk walk = skinfile::WalkSk2(input);
    walkEnd_ = walk.end;
    if (!walk.Usable()) {
        return SkinReadOutcome::BadData;
    }
    skipped_ = walk.skipped;
    for (skinfile::Sk2Record& record : walk.records) {
        Store(std::move(record));
    }
    return SkinReadOutcome::Loaded;
}

void Tsk2SkinFileReader::Store(skinfile::Sk2Record record) {
    directory_.push_back({record.name, record.kind, record.data.size()});
    std::string key = skinfile::NameKey(record.name);
    switch (record.kind) {
        case Sk2Kind::Bitmap:
            bitmaps_.try_emplace(std::move(key), std::move(record.data));
            break;
        case Sk2Kind::Integer:
            integers_.try_emplace(
                std::move(key),
                static_cast<std::int32_t>(skinfile::LittleEndian32(record.data.data())));
            break;
        case Sk2Kind::Boolean:
            booleans_.try_emplace(std::move(key), record.data[0] != '\0');
            break;
        case Sk2Kind::String:
            strings_.try_emplace(std::move(key), std::move(record.data));
            break;
    }
}

const std::string* Tsk2SkinFileReader::Bitmap(std::string_view name) const {
    return Find(bitmaps_, name);
}

std::optional<std::int32_t> Tsk2SkinFileReader::Integer(std::string_view name) const {
    const std::int32_t* value = Find(integers_, name);
    return value != nullptr ? std::optional(*value) : std::nullopt;
}

std::optional<bool> Tsk2SkinFileReader::Boolean(std::string_view name) const {
    const bool* value = Find(booleans_, name);
    return value != nullptr ? std::optional(*value) : std::nullopt;
}

const std::string* Tsk2SkinFileReader::String(std::string_view name) const {
    return Find(strings_, name);
}

}  // namespace kestrum
