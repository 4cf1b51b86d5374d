#include "skin/core/file_theme_mgr.h"

#include "platform/file_system.h"
#include "skin/core/file_theme_names.h"

namespace kestrum {

using skinfile::SkinReadOutcome;

namespace {

// The table position of lookup n in the group starting at `first`; -1 (no
// name) for numbers that cannot be in the table, without overflowing.
int PositionOf(int first, int n) {
    return n >= 0 && n < kFileThemeEntryCount ? first + n : -1;
}

}  // namespace

bool TlumFileThemeMgr::Load(const std::string& file, const std::string& password) {
    if (!platform::FileExists(file)) {
        lastOutcome_ = SkinReadOutcome::FileMissing;
        return false;
    }
    reader_.reset();
    auto reader = std::make_unique<Tsk2SkinFileReader>();
    lastOutcome_ = reader->Read(file, password);
    if (lastOutcome_ == SkinReadOutcome::Loaded) {
        reader_ = std::move(reader);
    }
    return Loaded();
}

const std::string* TlumFileThemeMgr::Bitmap(int n) const {
    const std::string_view name = FileThemeEntryName(PositionOf(kFileThemeFirstBitmap, n));
    return reader_ && !name.empty() ? reader_->Bitmap(name) : nullptr;
}

std::int32_t TlumFileThemeMgr::Colour(int n) const {
    return IntegerAt(PositionOf(0, n));
}

std::int32_t TlumFileThemeMgr::Position(int n) const {
    return IntegerAt(PositionOf(kFileThemeFirstPosition, n));
}

bool TlumFileThemeMgr::Boolean(int n) const {
    const std::string_view name = FileThemeEntryName(PositionOf(kFileThemeFirstBoolean, n));
    return reader_ && !name.empty() && reader_->Boolean(name).value_or(false);
}

std::int32_t TlumFileThemeMgr::IntegerAt(int position) const {
    if (!reader_) {
        return 0;
    }
    const std::string_view name = FileThemeEntryName(position);
    return name.empty() ? -1 : reader_->Integer(name).value_or(-1);
}

}  // namespace kestrum
