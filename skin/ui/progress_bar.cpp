#include "skin/ui/progress_bar.h"

#include <QFontMetrics>
#include <QPainter>

#include "skin/ui/program_font.h"
#include "skin/ui/skin_bitmaps.h"
#include "skin/ui/skin_colour.h"
#include "skin/ui/skin_painting.h"

namespace kestrum {
namespace {

// Turned a quarter to the left: pixel (x, y) goes to (y, width - 1 - x).
QImage RotatedLeft(const QImage& image) {
    if (image.isNull()) {
        return image;
    }
    QImage turned(image.height(), image.width(), image.format());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            turned.setPixel(y, image.width() - 1 - x, image.pixel(x, y));
        }
    }
    return turned;
}

void DrawCaption(QPainter& painter, const QRect& rect, const ProgressBarLook& look) {
    if (look.caption.isEmpty()) {
        return;
    }
    painter.setFont(look.captionFont);
    painter.setPen(look.captionColor);
    const QFontMetrics metrics(look.captionFont);
    const int x = (rect.width() - metrics.horizontalAdvance(look.caption)) / 2;
    const int y = (rect.height() - metrics.height()) / 2;
    painter.drawText(rect.left() + x, rect.top() + y + metrics.ascent(), look.caption);
}

// A skin's bar over Color: caps at both ends, the filled middle and the
// remaining track stretched between them. A vertical bar is the horizontal
// one turned a quarter to the left, its left cap at the bottom.
void DrawFromCaps(QPainter& painter, const QRect& rect, const ProgressBarLook& look) {
    painter.save();
    painter.fillRect(rect, look.color);
    QRect bar = rect;
    if (look.vertical) {
        painter.translate(rect.left(), rect.bottom() + 1);
        painter.rotate(-90);
        bar = QRect(0, 0, rect.height(), rect.width());
    }
    const QImage& left = look.caps[0];
    const QImage& right = look.caps[3];
    const int inner = std::max(0, bar.width() - left.width() - right.width());
    const int filled = ProgressFilledLength(look.range, inner);
    painter.drawImage(QRect(bar.left(), bar.top(), left.width(), bar.height()), left);
    const int x = bar.left() + left.width();
    painter.drawImage(QRect(x, bar.top(), filled, bar.height()), look.caps[1]);
    painter.drawImage(QRect(x + filled, bar.top(), inner - filled, bar.height()), look.caps[2]);
    painter.drawImage(
        QRect(bar.right() + 1 - right.width(), bar.top(), right.width(), bar.height()), right);
    painter.restore();
}

}  // namespace

void DrawProgressBar(QPainter& painter, const QRect& rect, const ProgressBarLook& look) {
    painter.save();
    if (look.fileTheme) {
        DrawFromCaps(painter, rect, look);
    } else {
        const ProgressBarLayout layout =
            LayoutProgressBar(look.range, {rect.width(), rect.height()}, look.vertical);
        const QRect picture = ToQRect(layout.picture).translated(rect.topLeft());
        if (!look.picture.isNull() && !picture.isEmpty()) {
            painter.drawImage(picture, look.picture);
        }
        painter.fillRect(ToQRect(layout.rest).translated(rect.topLeft()), look.color);
    }
    DrawCaption(painter, rect, look);
    if (look.border.isValid()) {
        FrameRect(painter, rect, look.border);
    }
    painter.restore();
}

TlumProgressBar::TlumProgressBar(QWidget* parent) : QWidget(parent), style_(GetDefaultStyle()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(150, 12);
    ApplyStyle();
    RangeChanged();
}

void TlumProgressBar::Repaint(bool changed) {
    if (changed) {
        update();
    }
}

void TlumProgressBar::RangeChanged() {
    caption_ = QString::fromStdString(ProgressCaption(range_));
    update();
}

void TlumProgressBar::SetMin(int min) {
    if (std::exchange(range_.min, min) != min) {
        RangeChanged();
    }
}

void TlumProgressBar::SetMax(int max) {
    if (std::exchange(range_.max, max) != max) {
        RangeChanged();
    }
}

void TlumProgressBar::SetPosition(int position) {
    if (std::exchange(range_.position, position) != position) {
        RangeChanged();
    }
}

void TlumProgressBar::SetOrientation(TlumOrientation orientation) {
    orientation_ = orientation;
    ApplyStyle();
}

void TlumProgressBar::SetShowCaption(bool show) {
    Repaint(std::exchange(showCaption_, show) != show);
}

void TlumProgressBar::SetSmartShowCaption(bool smart) {
    Repaint(std::exchange(smartShowCaption_, smart) != smart);
}

void TlumProgressBar::SetCaptionColor(TColor color) {
    Repaint(std::exchange(captionColor_, color) != color);
}

void TlumProgressBar::SetColor(TColor color) {
    Repaint(std::exchange(color_, color) != color);
}

void TlumProgressBar::SetBorderColor(TColor color) {
    Repaint(std::exchange(borderColor_, color) != color);
}

void TlumProgressBar::SetPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void TlumProgressBar::SetUIStyle(TlumUIStyle style) {
    style_ = style;
    ApplyStyle();
}

void TlumProgressBar::SetFileTheme(TlumThemeSource* theme) {
    theme_.Follow(
        this, theme, [this] { ApplyStyle(); }, [this] { SetUIStyle(TlumUIStyle::DeepBlue); });
    ApplyStyle();
}

void TlumProgressBar::ApplyStyle() {
    const ResolvedStyle resolved = theme_.Resolve(style_);
    if (resolved.useFileTheme) {
        const TlumThemeSource& theme = *theme_.Source();
        // Magenta shows Color, as in every skinned control's pictures.
        for (int i = 0; i < 4; ++i) {
            caps_[i] = SkinFrame(theme.Bitmap(19 + i)).keyed;
        }
        color_ = static_cast<TColor>(theme.Colour(21));
        borderColor_ = static_cast<TColor>(theme.Colour(22));
    } else {
        for (QImage& cap : caps_) {
            cap = {};
        }
        picture_ = GetThemeBitmap(resolved.builtIn, 24);
        color_ = GetThemeColor(resolved.builtIn, 26);
        borderColor_ = GetThemeColor(resolved.builtIn, 25);
        if (orientation_ == TlumOrientation::lumVertical) {
            picture_ = RotatedLeft(picture_);
        }
    }
    update();
}

ProgressBarLook TlumProgressBar::Look() const {
    ProgressBarLook look;
    look.range = range_;
    look.vertical = orientation_ == TlumOrientation::lumVertical;
    if (showCaption_ && !(smartShowCaption_ && range_.position == range_.min)) {
        look.caption = caption_;
    }
    look.captionColor = ToQColor(captionColor_);
    // The caption takes the drawing surface's default font, not the control's.
    static const QFont surfaceFont = ProgramFont();
    look.captionFont = surfaceFont;
    look.color = ToQColor(color_);
    look.fileTheme = theme_.Resolve(style_).useFileTheme;
    if (look.fileTheme) {
        for (int i = 0; i < 4; ++i) {
            look.caps[i] = caps_[i];
        }
    } else {
        look.picture = picture_;
        look.border = ToQColor(borderColor_);
    }
    return look;
}

void TlumProgressBar::paintEvent(QPaintEvent*) {
    // A vertical bar never shows its caption: the first vertical paint turns it off.
    if (orientation_ == TlumOrientation::lumVertical) {
        showCaption_ = false;
    }
    QPainter painter(this);
    DrawProgressBar(painter, rect(), Look());
}

}  // namespace kestrum
