// The skinned edit box's frame and the progress bar's drawing.
#include <gtest/gtest.h>

#include "skin/ui/edit.h"
#include "skin/ui/progress_bar.h"
#include "skin/ui/skin_bitmaps.h"
#include "widget_test_support.h"

namespace kestrum {
namespace {

using test::Shot;
using test::TestWindow;

TEST(EditBox, TwoRingsInTheMarginFollowBorderColorAndColor) {
    TestWindow window;
    TlumEdit edit(&window);
    edit.SetUIStyle(TlumUIStyle::WinXP);
    EXPECT_EQ(edit.BorderColor(), 0x686868u);
    edit.setGeometry(0, 0, 300, 20);
    edit.setText("/home/anna/Videos");
    const auto rings = [&] {
        const QImage image = Shot(&edit);
        return std::pair{image.pixel(0, 0), image.pixel(1, 1)};
    };
    EXPECT_EQ(rings().first, qRgb(0x68, 0x68, 0x68));
    EXPECT_EQ(rings().second, qRgb(255, 255, 255));

    edit.SetColor(0xCCEEFF);  // $BBGGRR
    EXPECT_EQ(rings().second, qRgb(0xFF, 0xEE, 0xCC));
    edit.setReadOnly(true);
    EXPECT_EQ(rings().first, qRgb(0x68, 0x68, 0x68));
    edit.setEnabled(false);
    EXPECT_EQ(rings().first, qRgb(0x68, 0x68, 0x68));
    EXPECT_EQ(rings().second, qRgb(0xFF, 0xEE, 0xCC));
    edit.SetUIStyle(TlumUIStyle::DeepBlue);
    EXPECT_EQ(rings().first, qRgb(0, 0, 0));
}

TEST(ProgressBar, FillsThePictureAndTheColourAndFramesTheBar) {
    TestWindow window;
    TlumProgressBar bar(&window);
    bar.SetUIStyle(TlumUIStyle::WinXP);
    bar.resize(212, 18);
    bar.SetPosition(50);
    EXPECT_EQ(bar.Caption(), "50%");
    const QImage picture = LoadSkinBitmap("WINXP_PROGRESSBAR");
    const QRgb fill = qRgb(0xEF, 0xEB, 0xDE);  // $DEEBEF
    const QRgb border = qRgb(0x68, 0x68, 0x68);
    QImage image = Shot(&bar);
    EXPECT_EQ(image.pixel(0, 9), border);
    EXPECT_EQ(image.pixel(211, 9), border);
    EXPECT_EQ(image.pixel(100, 0), border);
    EXPECT_EQ(image.pixel(1, 1), picture.pixel(0, 0));
    EXPECT_EQ(image.pixel(104, 16), picture.pixel(5, 9));
    EXPECT_EQ(image.pixel(105, 2), fill);
    EXPECT_EQ(image.pixel(210, 16), fill);

    bar.SetPosition(150);
    EXPECT_EQ(bar.Caption(), "150%");
    EXPECT_EQ(Shot(&bar).pixel(210, 16), picture.pixel(5, 9));
    bar.SetPosition(0);
    image = Shot(&bar);
    EXPECT_EQ(image.pixel(1, 2), fill) << "no picture at or below Min";

    bar.SetMax(3);
    bar.SetPosition(1);
    EXPECT_EQ(bar.Caption(), "33%");
    bar.SetMin(3);
    EXPECT_EQ(bar.Caption(), "0%");
}

TEST(ProgressBar, SmartCaptionHidesItAtMinAndVerticalBarsGrowUpwards) {
    TestWindow window;
    TlumProgressBar shown(&window), smart(&window), hidden(&window);
    int y = 0;
    for (TlumProgressBar* bar : {&shown, &smart, &hidden}) {
        bar->setGeometry(0, y, 212, 18);
        bar->SetPosition(0);
        y += 30;
    }
    smart.SetSmartShowCaption(true);
    hidden.SetShowCaption(false);
    EXPECT_EQ(Shot(&smart), Shot(&hidden));
    EXPECT_NE(Shot(&shown), Shot(&hidden)) << "0% is shown";
    smart.SetPosition(10);
    EXPECT_NE(Shot(&smart), Shot(&hidden));

    TlumProgressBar vertical(&window);
    vertical.SetOrientation(TlumOrientation::lumVertical);
    vertical.setGeometry(300, 0, 18, 101);
    vertical.SetPosition(50);
    const QImage image = Shot(&vertical);
    const QImage picture = LoadSkinBitmap("DEEPBLUE_PROGRESSBAR");  // 1 x 10, turned left
    EXPECT_EQ(image.pixel(1, 99), picture.pixel(0, 0));
    EXPECT_EQ(image.pixel(16, 99), picture.pixel(0, 9));
    EXPECT_EQ(image.pixel(8, 20), qRgb(0xE8, 0xE8, 0xE8));
    EXPECT_FALSE(vertical.ShowCaption());
}

}  // namespace
}  // namespace kestrum
