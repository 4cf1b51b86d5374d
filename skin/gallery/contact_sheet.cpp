#include "skin/gallery/contact_sheet.h"

#include <QFontMetrics>
#include <QPainter>

#include "skin/ui/program_font.h"

namespace kestrum::gallery {
namespace {

constexpr int kSheetWidth = 1280;
constexpr int kMargin = 16;
constexpr int kGap = 14;

struct Placed {
    const Shot* shot;
    QPoint at;
};

}  // namespace

QImage ContactSheet(const std::vector<Section>& sections) {
    const QFont titleFont = ProgramFont(15, true);
    const QFont labelFont = ProgramFont(10);
    const int titleHeight = QFontMetrics(titleFont).height() + 8;
    const int labelHeight = QFontMetrics(labelFont).height() + 2;

    // Lay out first, so that the sheet is exactly as tall as it needs.
    std::vector<std::pair<QString, QPoint>> titles;
    std::vector<Placed> placed;
    int y = kMargin;
    for (const Section& section : sections) {
        titles.emplace_back(section.title, QPoint(kMargin, y));
        y += titleHeight;
        int x = kMargin, rowHeight = 0;
        for (const Shot& shot : section.shots) {
            const int width =
                std::max(shot.image.width(), QFontMetrics(labelFont).horizontalAdvance(shot.name));
            if (x > kMargin && x + width > kSheetWidth - kMargin) {
                x = kMargin;
                y += rowHeight + kGap;
                rowHeight = 0;
            }
            placed.push_back({&shot, QPoint(x, y)});
            x += width + kGap;
            rowHeight = std::max(rowHeight, shot.image.height() + labelHeight);
        }
        y += rowHeight + kGap * 2;
    }

    QImage sheet(kSheetWidth, y, QImage::Format_RGB32);
    sheet.fill(QColor(0xF7, 0xF7, 0xF7));
    QPainter painter(&sheet);
    painter.setPen(QColor(0x1B, 0x35, 0x66));
    painter.setFont(titleFont);
    for (const auto& [title, at] : titles) {
        painter.drawText(at + QPoint(0, QFontMetrics(titleFont).ascent()), title);
    }
    painter.setFont(labelFont);
    painter.setPen(QColor(0x55, 0x55, 0x55));
    for (const Placed& item : placed) {
        painter.drawImage(item.at, item.shot->image);
        painter.drawText(
            item.at + QPoint(0, item.shot->image.height() + QFontMetrics(labelFont).ascent() + 1),
            item.shot->name);
    }
    return sheet;
}

}  // namespace kestrum::gallery
