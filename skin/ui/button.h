#pragma once

#include "skin/ui/custom_button.h"

namespace kestrum {

// The push button of every window: a TlumCustomButton with an optional glyph
// beside its caption, the caption's font colour taken from the style, and the
// dialog keys (Enter for the active default button, Escape for Cancel).
class TlumButton : public TlumCustomButton {
    Q_OBJECT
    Q_PROPERTY(QImage Glyph READ Glyph WRITE SetGlyph)
    Q_PROPERTY(kestrum::TButtonLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
    Q_PROPERTY(int ResHandle READ ResHandle WRITE SetResHandle)

public:
    explicit TlumButton(QWidget* parent = nullptr);

    QImage Glyph() const { return glyph_; }
    void SetGlyph(const QImage& glyph);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout);
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool cancel) { cancel_ = cancel; }
    // Kept for window definitions that name it; always 0.
    int ResHandle() const { return 0; }
    void SetResHandle(int) {}

    // Whether Enter clicks this button now: the focused button of its window
    // when a TlumButton has the focus, else the Default one.
    bool IsActiveDefault() const;

    ButtonLook Look() const override;

protected:
    void ApplyStyle() override;

private:
    QImage glyph_;
    QImage glyphEnabled_;
    QImage glyphDisabled_;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
    int spacing_ = 4;
    bool default_ = false;
    bool cancel_ = false;
};

}  // namespace kestrum
