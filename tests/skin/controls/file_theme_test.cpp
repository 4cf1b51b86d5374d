// Every control's look from a skin file, through a fake theme source: what it
// takes, its fallback to DeepBlue, a reload and the source going away.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "skin/ui/apply_style.h"
#include "skin/ui/button.h"
#include "skin/ui/check_box.h"
#include "skin/ui/edit.h"
#include "skin/ui/popup_menu.h"
#include "skin/ui/progress_bar.h"
#include "widget_test_support.h"

namespace kestrum {
namespace {

using test::FakeThemeSource;
using test::Shot;
using test::Strip;
using test::TestWindow;

constexpr QRgb kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;

TEST(FileTheme, ButtonsTakeStripTransparencyAndFontColourAndFallBackToDeepBlue) {
    TestWindow window;
    auto theme = std::make_unique<FakeThemeSource>();
    theme->bitmaps[15] = Strip(20, 21, {kRed, kGreen, kBlue});
    theme->booleans[5] = true;
    theme->colours[24] = 0x00FF00;
    TlumButton button(&window);
    button.resize(80, 23);
    button.SetFileTheme(theme.get());
    button.SetUIStyle(TlumUIStyle::FromThemeFile);
    EXPECT_EQ(Shot(&button).pixel(40, 11), kRed);
    EXPECT_TRUE(button.Transparent());
    EXPECT_EQ(button.FontColor(), 0x00FF00u);

    TlumButton deepBlue(&window);
    deepBlue.setGeometry(0, 40, 80, 23);
    theme->ready = false;
    theme->Reload();
    EXPECT_EQ(Shot(&button), Shot(&deepBlue)) << "a theme not ready draws as DeepBlue";
    EXPECT_FALSE(button.Transparent());

    theme->ready = true;
    theme->bitmaps[15] = Strip(20, 21, {kBlue, kGreen, kRed});
    theme->Reload();
    EXPECT_EQ(Shot(&button).pixel(40, 11), kBlue);

    theme.reset();
    EXPECT_EQ(button.FileTheme(), nullptr);
    EXPECT_EQ(button.UIStyle(), TlumUIStyle::DeepBlue);
    EXPECT_EQ(Shot(&button), Shot(&deepBlue));
}

TEST(FileTheme, CheckBoxesUseFramesOneThreeFourAndSixOfSix) {
    TestWindow window;
    FakeThemeSource theme;
    const QRgb frames[] = {0xFF000001, 0xFF000002, 0xFF000003, 0xFF000004, 0xFF000005, 0xFF000006};
    theme.bitmaps[16] = Strip(13, 13, std::vector<QRgb>(std::begin(frames), std::end(frames)));
    TlumCheckBox box(&window);
    box.SetFileTheme(&theme);
    box.SetUIStyle(TlumUIStyle::FromThemeFile);
    const auto boxPixel = [&] { return Shot(&box).pixel(5, (box.height() - 13) / 2 + 5); };
    box.SetChecked(true);
    EXPECT_EQ(boxPixel(), frames[0]);
    box.SetChecked(false);
    EXPECT_EQ(boxPixel(), frames[2]);
    box.setEnabled(false);
    EXPECT_EQ(boxPixel(), frames[5]);
    box.SetChecked(true);
    EXPECT_EQ(boxPixel(), frames[3]);
}

TEST(FileTheme, ProgressBarsDrawFromCapsWithoutABorderAndEditsTakeColour22) {
    TestWindow window;
    FakeThemeSource theme;
    theme.bitmaps[19] = Strip(3, 18, {kRed});
    theme.bitmaps[20] = Strip(1, 18, {kGreen});
    theme.bitmaps[21] = Strip(1, 18, {kBlue});
    theme.bitmaps[22] = Strip(3, 18, {0xFFFFFF00});
    theme.colours[21] = 0x123456;
    theme.colours[22] = 0x0000FF;
    TlumProgressBar bar(&window);
    bar.resize(106, 18);
    bar.SetFileTheme(&theme);
    bar.SetUIStyle(TlumUIStyle::FromThemeFile);
    bar.SetShowCaption(false);
    bar.SetPosition(50);
    EXPECT_EQ(bar.Color(), 0x123456u);
    EXPECT_EQ(bar.BorderColor(), 0x0000FFu);
    const QImage image = Shot(&bar);
    EXPECT_EQ(image.pixel(0, 0), kRed) << "no frame drawn";
    EXPECT_EQ(image.pixel(3, 9), kGreen);
    EXPECT_EQ(image.pixel(52, 9), kGreen);
    EXPECT_EQ(image.pixel(53, 9), kBlue);
    EXPECT_EQ(image.pixel(105, 17), 0xFFFFFF00);

    TlumEdit edit(&window);
    edit.move(0, 40);
    edit.SetFileTheme(&theme);
    edit.SetUIStyle(TlumUIStyle::FromThemeFile);
    EXPECT_EQ(edit.BorderColor(), 0x0000FFu);
}

TEST(FileTheme, MenusTakeColoursNineToFifteenAndStylesReachChildrenByName) {
    FakeThemeSource theme;
    for (int n = 9; n <= 15; ++n) {
        theme.colours[n] = n;
    }
    TlumPopupMenu menu;
    menu.SetFileTheme(&theme);
    menu.SetUIStyle(TlumUIStyle::FromThemeFile);
    EXPECT_EQ(menu.BarColor(), 9u);
    EXPECT_EQ(menu.BarToColor(), 10u);
    EXPECT_EQ(menu.Color(), 11u);
    EXPECT_EQ(menu.FontColor(), 12u);
    EXPECT_EQ(menu.SelectedColor(), 13u);
    EXPECT_EQ(menu.SelectedBorderColor(), 14u);
    EXPECT_EQ(menu.SelectedFontColor(), 15u);

    TestWindow window;
    TlumButton button(&window);
    TlumEdit edit(&window);
    QWidget plain(&window);
    ApplyStyleToChildren(window, TlumUIStyle::FromThemeFile, &theme);
    EXPECT_EQ(button.FileTheme(), &theme);
    EXPECT_EQ(button.UIStyle(), TlumUIStyle::FromThemeFile);
    EXPECT_EQ(edit.FileTheme(), &theme);
    ApplyStyleToChildren(window, TlumUIStyle::Protein, nullptr);
    EXPECT_EQ(button.UIStyle(), TlumUIStyle::Protein);
    EXPECT_EQ(button.FileTheme(), nullptr);
}

}  // namespace
}  // namespace kestrum
