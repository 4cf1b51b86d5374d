#include "skin/ui/skin_painting.h"

#include <vector>

#include "skin/core/gradient.h"
#include "skin/core/split_draw_plan.h"
#include "skin/ui/skin_colour.h"

namespace kestrum {

void SplitDraw(QPainter& painter, const SkinFrame& frame, const QRect& target,
               bool transparentCorners) {
    if (frame.IsNull()) {
        return;
    }
    const std::vector<SplitDrawStep> steps =
        PlanSplitDraw({frame.Size().width(), frame.Size().height()},
                      {target.width(), target.height()}, transparentCorners);
    for (const SplitDrawStep& step : steps) {
        const QImage& image = step.magentaKeyed ? frame.keyed : frame.opaque;
        painter.drawImage(ToQRect(step.target).translated(target.topLeft()), image,
                          ToQRect(step.source));
    }
}

void FillGradientH(QPainter& painter, const QRect& rect, TColor from, TColor to) {
    const std::vector<TColor> columns =
        GradientColumnsH(from & 0xFFFFFF, to & 0xFFFFFF, rect.width());
    for (int x = 0; x < static_cast<int>(columns.size()); ++x) {
        painter.fillRect(rect.left() + x, rect.top(), 1, rect.height(), ToQColor(columns[x]));
    }
}

void FrameRect(QPainter& painter, const QRect& rect, const QColor& color) {
    if (rect.isEmpty()) {
        return;
    }
    painter.fillRect(rect.left(), rect.top(), rect.width(), 1, color);
    painter.fillRect(rect.left(), rect.bottom(), rect.width(), 1, color);
    painter.fillRect(rect.left(), rect.top(), 1, rect.height(), color);
    painter.fillRect(rect.right(), rect.top(), 1, rect.height(), color);
}

void DrawFocusRect(QPainter& painter, const QRect& rect) {
    if (rect.isEmpty()) {
        return;
    }
    QList<QPoint> dots;
    const auto dot = [&](int x, int y) {
        if ((x + y) % 2 == 0) {
            dots.append(QPoint(x, y));
        }
    };
    for (int x = rect.left(); x <= rect.right(); ++x) {
        dot(x, rect.top());
        dot(x, rect.bottom());
    }
    for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
        dot(rect.left(), y);
        dot(rect.right(), y);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawPoints(dots.data(), static_cast<int>(dots.size()));
    painter.restore();
}

void DrawEngravedText(QPainter& painter, const QRect& rect, int flags, const QString& text,
                      const QColor& light, const QColor& dark) {
    painter.setPen(light);
    painter.drawText(rect.translated(1, 1), flags, text);
    painter.setPen(dark);
    painter.drawText(rect, flags, text);
}

QImage GreyedImage(const QImage& image) {
    QImage grey = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const int level = 128 + qGray(line[x]) / 2;
            line[x] = qRgba(level, level, level, qAlpha(line[x]) / 2);
        }
    }
    return grey;
}

}  // namespace kestrum
