#pragma once

#include <QList>
#include <QMenu>
#include <QPointer>

#include "skin/ui/menu_look.h"
#include "skin/ui/skin_types.h"
#include "skin/ui/theme_link.h"

namespace kestrum {

class TlumMenuStyle;

// A popup menu that measures and draws its own items: a side bar, a flat
// highlight with a border, thin separators, the shared check mark and
// shortcut texts. Every submenu added through it (addMenu, or an action that
// carries a menu) takes the same look, at any depth; an action captioned "-"
// becomes a separator.
class TlumPopupMenu : public QMenu {
    Q_OBJECT
    Q_PROPERTY(kestrum::TlumUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(kestrum::TlumThemeSource* FileTheme READ FileTheme WRITE SetFileTheme)
    Q_PROPERTY(int MenuItemHeight READ MenuItemHeight WRITE SetMenuItemHeight)
    Q_PROPERTY(int SeparatorHeight READ SeparatorHeight WRITE SetSeparatorHeight)
    Q_PROPERTY(int BarWidth READ BarWidth WRITE SetBarWidth)
    Q_PROPERTY(uint BarColor READ BarColor WRITE SetBarColor)
    Q_PROPERTY(uint BarToColor READ BarToColor WRITE SetBarToColor)
    Q_PROPERTY(uint Color READ Color WRITE SetColor)
    Q_PROPERTY(uint SeparatorColor READ SeparatorColor WRITE SetSeparatorColor)
    Q_PROPERTY(uint SelectedBorderColor READ SelectedBorderColor WRITE SetSelectedBorderColor)
    Q_PROPERTY(uint SelectedColor READ SelectedColor WRITE SetSelectedColor)
    Q_PROPERTY(uint SelectedFontColor READ SelectedFontColor WRITE SetSelectedFontColor)
    Q_PROPERTY(uint FontColor READ FontColor WRITE SetFontColor)
    Q_PROPERTY(uint BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(bool FlatMenu READ FlatMenu WRITE SetFlatMenu)
    Q_PROPERTY(QString FontName READ FontName WRITE SetFontName)
    Q_PROPERTY(int FontSize READ FontSize WRITE SetFontSize)
    Q_PROPERTY(int FontCharset READ FontCharset WRITE SetFontCharset)
    Q_PROPERTY(bool UseSystemFont READ UseSystemFont WRITE SetUseSystemFont)
    Q_PROPERTY(bool OwnerDraw READ OwnerDraw WRITE SetOwnerDraw)
    Q_PROPERTY(kestrum::TPopupAlignment Alignment READ Alignment WRITE SetAlignment)

public:
    explicit TlumPopupMenu(QWidget* parent = nullptr);
    ~TlumPopupMenu() override;

    TlumUIStyle UIStyle() const { return style_; }
    void SetUIStyle(TlumUIStyle style);
    TlumThemeSource* FileTheme() const { return theme_.Source(); }
    void SetFileTheme(TlumThemeSource* theme);
    int MenuItemHeight() const { return metrics_.menuItemHeight; }
    // Ignored while UIStyle is MacOS, whose pictures fix the height.
    void SetMenuItemHeight(int height);
    int SeparatorHeight() const { return metrics_.separatorHeight; }
    void SetSeparatorHeight(int height);
    int BarWidth() const { return metrics_.barWidth; }
    void SetBarWidth(int width);
    TColor BarColor() const { return barColor_; }
    void SetBarColor(TColor color) { SetColour(barColor_, color); }
    TColor BarToColor() const { return barToColor_; }
    void SetBarToColor(TColor color) { SetColour(barToColor_, color); }
    TColor Color() const { return color_; }
    void SetColor(TColor color) { SetColour(color_, color); }
    TColor SeparatorColor() const { return separatorColor_; }
    void SetSeparatorColor(TColor color) { SetColour(separatorColor_, color); }
    TColor SelectedBorderColor() const { return selectedBorderColor_; }
    void SetSelectedBorderColor(TColor color) { SetColour(selectedBorderColor_, color); }
    TColor SelectedColor() const { return selectedColor_; }
    void SetSelectedColor(TColor color) { SetColour(selectedColor_, color); }
    TColor SelectedFontColor() const { return selectedFontColor_; }
    void SetSelectedFontColor(TColor color) { SetColour(selectedFontColor_, color); }
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor color) { SetColour(fontColor_, color); }
    // Stored for window definitions; no drawing uses it.
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor color) { borderColor_ = color; }
    bool FlatMenu() const { return flatMenu_; }
    void SetFlatMenu(bool flat);
    QString FontName() const { return fontName_; }
    void SetFontName(const QString& name);
    int FontSize() const { return fontSize_; }
    void SetFontSize(int points);
    // Stored for window definitions: Qt picks glyphs by Unicode, not by charset.
    int FontCharset() const { return fontCharset_; }
    void SetFontCharset(int charset) { fontCharset_ = charset; }
    bool UseSystemFont() const { return useSystemFont_; }
    void SetUseSystemFont(bool use);
    // The menu always draws its own items.
    bool OwnerDraw() const { return true; }
    void SetOwnerDraw(bool) {}
    TPopupAlignment Alignment() const { return alignment_; }
    void SetAlignment(TPopupAlignment alignment) { alignment_ = alignment; }

    // Opens the menu at `screenPoint`: its left edge there, its right edge
    // (paRight) or its middle (paCenter), its top at the point's height.
    void Popup(const QPoint& screenPoint);

    // How the menu and its submenus draw now.
    MenuLook Look() const;

protected:
    void actionEvent(QActionEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyStyle();
    void SetColour(TColor& field, TColor color);
    void Skin(QMenu* menu);
    void TakeAction(QAction* action);
    void ApplyFont();
    void Refresh();

    TlumUIStyle style_;
    ThemeLink theme_;
    MenuMetrics metrics_{21, 21, 0};
    TColor barColor_ = kClBtnFace;
    TColor barToColor_ = kClBtnFace;
    TColor color_ = kClWhite;
    TColor separatorColor_ = kClGray;
    TColor selectedBorderColor_ = kClHighlight;
    TColor selectedColor_ = kClHighlight;
    TColor selectedFontColor_ = kClWhite;
    TColor fontColor_ = kClWhite;
    TColor borderColor_ = kClBlack;
    bool flatMenu_ = false;
    QString fontName_ = "MS Sans Serif";
    int fontSize_ = 8;
    int fontCharset_ = 1;
    bool useSystemFont_ = true;
    TPopupAlignment alignment_ = TPopupAlignment::paLeft;
    TlumMenuStyle* menuStyle_;
    QList<QPointer<QMenu>> submenus_;
};

}  // namespace kestrum
