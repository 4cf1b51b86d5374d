#pragma once

#include <QImage>
#include <QString>
#include <array>

#include "skin/core/file_theme_mgr.h"
#include "skin/core/file_theme_names.h"
#include "skin/ui/theme_source.h"

namespace kestrum {

// A skin file as a source of looks for skinned controls whose style is
// FromThemeFile. Setting ThemeFile (or a non-empty Password) loads the file;
// after every load that succeeds, and whenever the theme stops being ready,
// themeChanged tells the controls to apply their style again.
class TlumFileTheme : public TlumThemeSource {
    Q_OBJECT
    Q_PROPERTY(QString ThemeFile READ ThemeFile WRITE SetThemeFile)
    Q_PROPERTY(QString Password READ Password WRITE SetPassword)
    Q_PROPERTY(bool Ready READ Ready)

public:
    using TlumThemeSource::TlumThemeSource;

    QString ThemeFile() const { return themeFile_; }
    // A path, or a file name alone that is looked for in the program's folder
    // and then in the installed skins folder. When no such file exists,
    // nothing changes.
    void SetThemeFile(const QString& file);

    QString Password() const { return password_; }
    // A non-empty password loads the theme file again with it.
    void SetPassword(const QString& password);

    bool Ready() const override { return ready_; }
    QImage Bitmap(int n) const override;
    int Colour(int n) const override { return manager_.Colour(n); }
    int Position(int n) const { return manager_.Position(n); }
    bool Boolean(int n) const override { return manager_.Boolean(n); }

    // How the last load ended (for tools that report it).
    skinfile::SkinReadOutcome LastOutcome() const { return manager_.LastOutcome(); }

private:
    static constexpr int kBitmapCount = kFileThemeFirstPosition - kFileThemeFirstBitmap;

    void Load();
    void DecodeBitmaps();

    QString themeFile_;
    QString password_;
    bool ready_ = false;
    TlumFileThemeMgr manager_;
    std::array<QImage, kBitmapCount> bitmaps_;
};

}  // namespace kestrum
