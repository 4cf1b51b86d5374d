// The skinned check box and the arrow button.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QSignalSpy>
#include <QTest>

#include "skin/ui/arrow_button.h"
#include "skin/ui/check_box.h"
#include "skin/ui/skin_bitmaps.h"
#include "widget_test_support.h"

namespace kestrum {
namespace {

using test::Shot;
using test::TestWindow;

TEST(CheckBox, OnClickFiresOnEveryChangeOfCheckedAndNeverWithout) {
    TestWindow window;
    TlumCheckBox box(&window);
    box.SetCaption("Same as the input file");
    box.move(10, 10);
    window.Activate();
    QSignalSpy clicks(&box, &TlumCheckBox::OnClick);

    box.SetChecked(true);
    box.SetChecked(true);
    EXPECT_EQ(clicks.count(), 1);
    box.SetState(TCheckBoxState::cbGrayed);
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(box.State(), TCheckBoxState::cbUnchecked);
    EXPECT_EQ(clicks.count(), 2);

    QTest::mouseClick(&box, Qt::LeftButton, {}, {5, 5});
    EXPECT_TRUE(box.Checked());
    EXPECT_TRUE(box.hasFocus());
    QTest::keyClick(&box, Qt::Key_Space);
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(clicks.count(), 4);

    box.setEnabled(false);
    QTest::mouseClick(&box, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(clicks.count(), 4);
}

TEST(CheckBox, AutoSizesToBoxAndCaptionAndDrawsItsFrames) {
    TestWindow window;
    TlumCheckBox box(&window);
    box.SetUIStyle(TlumUIStyle::WinXP);
    box.SetCaption("Same as the input file");
    const QFontMetrics metrics(box.font());
    EXPECT_EQ(box.size(), QSize(13 + metrics.horizontalAdvance("Same as the input file") + 8,
                                std::max(metrics.height() + 2, 13) + 4));

    const QImage strip = LoadSkinBitmap("WINXP_CHECKBOX");
    const int top = (box.height() - 13) / 2;
    const auto boxPixel = [&](int x, int y) { return Shot(&box).pixel(1 + x, top + y); };
    box.SetChecked(true);
    EXPECT_EQ(boxPixel(6, 7), strip.pixel(6, 7));  // the tick of frame 1
    box.setEnabled(false);
    EXPECT_EQ(boxPixel(6, 7), strip.pixel(26 + 6, 7));  // frame 3
    box.SetChecked(false);
    EXPECT_EQ(boxPixel(6, 7), strip.pixel(39 + 6, 7));  // frame 4
    bool text = false;
    const QImage image = Shot(&box);
    for (int x = 17; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            text = text || qGray(image.pixel(x, y)) < 60;
        }
    }
    EXPECT_TRUE(text) << "a disabled caption stays in the font colour";
}

TEST(CheckBox, FocusRectangleAndRightToLeftLayout) {
    TestWindow window;
    TlumCheckBox box(&window);
    box.SetUIStyle(TlumUIStyle::WinXP);
    box.SetCaption("Don't use it");
    window.Activate();
    box.setFocus();
    const int t = (box.height() - QFontMetrics(box.font()).height()) / 2;
    const QImage focused = Shot(&box);
    const int x = 16 + (16 + t) % 2;  // the first dot of the top line
    EXPECT_EQ(focused.pixel(x, t), qRgb(0, 0, 0));

    box.setLayoutDirection(Qt::RightToLeft);
    const QImage mirrored = Shot(&box);
    const QImage strip = LoadSkinBitmap("WINXP_CHECKBOX");
    const int top = (box.height() - 13) / 2;
    EXPECT_EQ(mirrored.pixel(box.width() - 14, top), strip.pixel(13, 0));
}

TEST(ArrowButton, DrawsItsTriangleAndTheFocusRectangleInEveryStyle) {
    TestWindow window;
    TlumArrowButton arrow(&window);
    arrow.SetArrow(TlumArrow::lumDown);
    arrow.SetUIStyle(TlumUIStyle::Protein);
    arrow.resize(21, 21);
    window.Activate();
    QSignalSpy clicks(&arrow, &TlumArrowButton::OnClick);

    for (bool pressed : {false, true}) {
        if (pressed) {
            QTest::mousePress(&arrow, Qt::LeftButton, {}, {10, 10});
        }
        const QImage image = Shot(&arrow);
        for (QPoint corner : {QPoint(7, 9), QPoint(10, 12), QPoint(13, 9), QPoint(10, 10)}) {
            EXPECT_EQ(image.pixel(corner), qRgb(0, 0, 0)) << corner.x() << "," << corner.y();
        }
        EXPECT_NE(image.pixel(10, 13), qRgb(0, 0, 0));
        EXPECT_NE(image.pixel(6, 9), qRgb(0, 0, 0));
    }
    QTest::mouseRelease(&arrow, Qt::LeftButton, {}, {10, 10});
    EXPECT_EQ(clicks.count(), 1);

    arrow.SetUIStyle(TlumUIStyle::MacOS);
    arrow.SetArrow(TlumArrow::lumUp);
    arrow.setFocus();
    const QImage focused = Shot(&arrow);
    EXPECT_EQ(focused.pixel(2, 2), qRgb(0, 0, 0));
    EXPECT_EQ(focused.pixel(10, 9), qRgb(0, 0, 0));  // the apex of the up arrow
    EXPECT_EQ(focused.pixel(7, 12), qRgb(0, 0, 0));
}

}  // namespace
}  // namespace kestrum
