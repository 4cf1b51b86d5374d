#pragma once

#include <QImage>
#include <QObject>

namespace kestrum {

// Where a skinned control whose style is FromThemeFile takes its look from:
// a loaded skin file (TlumFileTheme). Controls hold a guarded pointer to it;
// when the source goes away they fall back to DeepBlue, and when it loads a
// new skin (themeChanged) they apply their style again.
class TlumThemeSource : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;

    // True after a skin was loaded successfully.
    virtual bool Ready() const = 0;

    // Bitmap n of the skin (button strip 15, check box strip 16, progress bar
    // 19 to 22, ...); a null image when the skin has none.
    virtual QImage Bitmap(int n) const = 0;

    // Colour n (0x00BBGGRR): -1 when missing or not a number, 0 with no skin.
    virtual int Colour(int n) const = 0;

    // Boolean n; false when missing.
    virtual bool Boolean(int n) const = 0;

  signals:
    void themeChanged();
};

}  // namespace kestrum
