#include "skin/ui/file_theme.h"

#include <QByteArray>
#include <QFile>

#include "skin/core/skin_file_search.h"

namespace kestrum {

namespace {

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace

void TlumFileTheme::SetThemeFile(const QString& file) {
    const std::string found = FindSkinFile(LocalPath(file));
    if (found.empty()) {
        return;
    }
    themeFile_ = QFile::decodeName(QByteArray::fromStdString(found));
    Load();
}

void TlumFileTheme::SetPassword(const QString& password) {
    password_ = password;
    if (!password_.isEmpty()) {
        Load();
    }
}

QImage TlumFileTheme::Bitmap(int n) const {
    return n >= 0 && n < kBitmapCount ? bitmaps_[static_cast<std::size_t>(n)] : QImage();
}

void TlumFileTheme::Load() {
    const bool wasReady = ready_;
    ready_ = manager_.Load(LocalPath(themeFile_), password_.toStdString());
    DecodeBitmaps();
    // Controls drawing from this theme must also hear when it stops being
    // ready, so that they fall back to the built-in look.
    if (ready_ || wasReady) {
        emit themeChanged();
    }
}

// Decoded once per load; a bitmap that is not a BMP image Qt can read counts
// as missing.
void TlumFileTheme::DecodeBitmaps() {
    for (int n = 0; n < kBitmapCount; ++n) {
        const std::string* bytes = manager_.Bitmap(n);
        bitmaps_[static_cast<std::size_t>(n)] =
            bytes != nullptr
                ? QImage::fromData(
                      QByteArray::fromRawData(bytes->data(), static_cast<qsizetype>(bytes->size())),
                      "BMP")
                : QImage();
    }
}

}  // namespace kestrum
