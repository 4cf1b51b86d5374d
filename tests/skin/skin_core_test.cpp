// The style catalogue and the drawing rules of the skinned controls, as tables.
#include <gtest/gtest.h>

#include <string>

#include "skin/core/button_layout.h"
#include "skin/core/check_box_layout.h"
#include "skin/core/gradient.h"
#include "skin/core/menu_layout.h"
#include "skin/core/progress_geometry.h"
#include "skin/core/split_draw_plan.h"
#include "skin/core/strip_frame.h"
#include "skin/core/theme_table.h"

namespace kestrum {
namespace {

using S = TlumUIStyle;

TEST(ThemeTable, LookupsGiveTheValueOfTheRightKindAndNeutralResultsOtherwise) {
    struct Case {
        S style;
        int item;
        TColor color;
        bool flag;
        int number;
        std::string bitmap;
    };
    const Case cases[] = {
        {S::WinXP, 1, 0, false, -1, "WINXP_BUTTON"},
        {S::MacOS, 2, 0, true, -1, ""},
        {S::DeepBlue, 2, 0, false, -1, ""},
        {S::BlueGlass, 2, 0, true, -1, ""},
        {S::WinXP, 25, 0x686868, false, -1, ""},
        {S::WinXP, 26, 0xDEEBEF, false, -1, ""},
        {S::Protein, 18, 0xC4302D, false, -1, ""},
        {S::WinXP, 13, 0, false, 150, ""},
        {S::MacOS, 8, 0, false, -2, ""},
        {S::DeepBlue, 38, 0, false, -1, "MORE_SCROLLBUTTON"},
        {S::MacOS, 38, 0, false, -1, "MACOS_SCROLLBUTTON"},
        {S::Protein, 24, 0, false, -1, "PROTEIN_PROGRESSBAR"},
        {S::WinXP, 43, 0, false, -1, ""},
        {S::FromThemeFile, 25, 0, false, -1, ""},
        {S::FromThemeFile, 13, 0, false, -1, ""},
        {S::FromThemeFile, 1, 0, false, -1, ""},
        {static_cast<S>(9), 13, 0, false, -1, ""},
        {S::WinXP, 0, 0, false, -1, ""},
        {S::WinXP, 49, 0, false, -1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(UIStyleName(c.style)) + " item " + std::to_string(c.item));
        EXPECT_EQ(GetThemeColor(c.style, c.item), c.color);
        EXPECT_EQ(GetThemeBool(c.style, c.item), c.flag);
        EXPECT_EQ(GetThemeInt(c.style, c.item), c.number);
        EXPECT_EQ(GetThemeBitmapName(c.style, c.item), c.bitmap);
    }
}

TEST(ThemeTable, EveryItemHasOneKindAndBitmapNamesAreStoredWhole) {
    int bitmaps = 0;
    for (int item = 1; item <= kThemeItemCount; ++item) {
        const ThemeItemKind kind = GetThemeItemKind(item);
        if (kind != ThemeItemKind::Bitmap) {
            continue;
        }
        ++bitmaps;
        for (S style : {S::MacOS, S::WinXP, S::DeepBlue, S::Protein, S::BlueGlass}) {
            const std::string_view name = GetThemeBitmapName(style, item);
            if (!name.empty() && name != "MORE_SCROLLBUTTON") {
                std::string prefix(UIStyleName(style));
                for (char& ch : prefix) {
                    ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
                }
                EXPECT_EQ(name.substr(0, prefix.size()), prefix) << item;
            }
        }
    }
    EXPECT_EQ(bitmaps, 22);
}

TEST(ThemeTable, StylesResolveToThemselvesOrToTheFileThemeOrDeepBlue) {
    EXPECT_EQ(GetDefaultStyle(), S::DeepBlue);
    struct Case {
        bool ready;
        S style;
        bool useFile;
        S builtIn;
    };
    const Case cases[] = {
        {false, S::WinXP, false, S::WinXP},
        {true, S::MacOS, false, S::MacOS},
        {true, S::FromThemeFile, true, S::DeepBlue},
        {false, S::FromThemeFile, false, S::DeepBlue},
    };
    for (const Case& c : cases) {
        const ResolvedStyle resolved = ResolveStyle(c.ready, c.style);
        EXPECT_EQ(resolved.useFileTheme, c.useFile);
        EXPECT_EQ(resolved.builtIn, c.builtIn);
    }
    for (S style : kAllUIStyles) {
        EXPECT_EQ(UIStyleFromName(UIStyleName(style)), style);
    }
    EXPECT_FALSE(UIStyleFromName("Aqua").has_value());
}

TEST(StripFrame, FramesAreEqualAndTheLastIsTheRightmost) {
    struct Case {
        PixelSize strip;
        int count;
        int index;
        PixelRect frame;
    };
    const Case cases[] = {
        {{54, 21}, 3, 1, {0, 0, 18, 21}},
        {{54, 21}, 3, 2, {18, 0, 36, 21}},
        {{54, 21}, 3, 3, {36, 0, 54, 21}},
        {{232, 21}, 3, 2, {77, 0, 154, 21}},
        {{232, 21}, 3, 3, {155, 0, 232, 21}},
        {{252, 23}, 3, 3, {168, 0, 252, 23}},
        {{52, 13}, 4, 3, {26, 0, 39, 13}},
        {{60, 17}, 4, 4, {45, 0, 60, 17}},
        {{78, 13}, 6, 6, {65, 0, 78, 13}},
        {{54, 21}, 3, 0, {}},
        {{54, 21}, 3, 4, {}},
        {{54, 21}, 0, 1, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CutStripFrame(c.strip, c.count, c.index), c.frame)
            << c.strip.width << " in " << c.count << ", frame " << c.index;
    }
}

TEST(SplitDraw, CornersKeepTheirPixelSizeAndEdgesFillBetween) {
    // The "..." button: 30 x 23 from the 18 x 21 WinXP frames.
    const std::vector<SplitDrawStep> expected = {
        {{0, 0, 9, 10}, {0, 0, 9, 10}, false},        // top-left 9 x 10
        {{10, 0, 18, 10}, {22, 0, 30, 10}, false},    // top-right 8 x 10
        {{0, 12, 9, 21}, {0, 14, 9, 23}, false},      // bottom-left 9 x 9
        {{10, 12, 18, 21}, {22, 14, 30, 23}, false},  // bottom-right 8 x 9
        {{0, 10, 9, 11}, {0, 10, 9, 14}, true},       // left edge
        {{10, 11, 18, 12}, {22, 10, 30, 14}, true},   // right edge
        {{9, 0, 10, 10}, {9, 0, 22, 10}, true},       // top edge
        {{9, 11, 10, 21}, {8, 13, 22, 23}, true},     // bottom edge
        {{9, 10, 10, 11}, {9, 10, 22, 13}, true},     // centre
    };
    EXPECT_EQ(PlanSplitDraw({18, 21}, {30, 23}, false), expected);

    const std::vector<SplitDrawStep> transparent = PlanSplitDraw({18, 21}, {30, 23}, true);
    for (const SplitDrawStep& step : transparent) {
        EXPECT_TRUE(step.magentaKeyed);
    }
}

TEST(SplitDraw, PiecesAreOnePixelSlicesForOddAndTwoForOddWidths) {
    // 74 x 21 DeepBlue frames into an 80 x 23 button; 77 x 27 BlueGlass frames.
    const auto deepBlue = PlanSplitDraw({74, 21}, {80, 23}, false);
    ASSERT_EQ(deepBlue.size(), 9u);
    EXPECT_EQ(deepBlue[6].source, (PixelRect{37, 0, 38, 10}));  // top edge, 1 wide
    const auto blueGlass = PlanSplitDraw({77, 27}, {80, 23}, true);
    ASSERT_EQ(blueGlass.size(), 9u);
    EXPECT_EQ(blueGlass[6].source, (PixelRect{38, 0, 40, 13}));  // top edge, 2 wide
    EXPECT_EQ(blueGlass[4].source, (PixelRect{0, 13, 38, 14}));  // left edge, 1 high
}

TEST(SplitDraw, ASmallTargetKeepsTheOuterCornersAndDropsTheMiddle) {
    const std::vector<SplitDrawStep> expected = {
        {{0, 0, 5, 5}, {0, 0, 5, 5}, false},    {{14, 0, 18, 5}, {6, 0, 10, 5}, false},
        {{0, 17, 5, 21}, {0, 6, 5, 10}, false}, {{14, 17, 18, 21}, {6, 6, 10, 10}, false},
        {{0, 10, 9, 11}, {0, 5, 5, 6}, true},   {{10, 11, 18, 12}, {6, 5, 10, 6}, true},
        {{9, 0, 10, 10}, {5, 0, 6, 5}, true},   {{9, 11, 10, 21}, {4, 5, 6, 10}, true},
    };
    EXPECT_EQ(PlanSplitDraw({18, 21}, {10, 10}, false), expected);
    EXPECT_TRUE(PlanSplitDraw({18, 21}, {0, 0}, false).empty());
    EXPECT_TRUE(PlanSplitDraw({0, 0}, {80, 23}, false).empty());
}

TEST(Gradient, ColumnsRunFromTheFirstColourToTheLast) {
    struct Case {
        TColor from, to;
        int width;
        std::vector<TColor> columns;
    };
    const Case cases[] = {
        {0x000000, 0x0000FF, 4, {0x000000, 0x00003F, 0x00007F, 0x0000FF}},
        {0xFF0000, 0x000000, 3, {0xFF0000, 0xAA0000, 0x000000}},
        {0x102030, 0x102030, 2, {0x102030, 0x102030}},
        {0xCED3D6, 0xFFFFFF, 1, {0xFFFFFF}},
        {0x000000, 0xFFFFFF, 0, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GradientColumnsH(c.from, c.to, c.width), c.columns) << c.width;
    }
    // Components are truncated separately: 255 * 1/26 = 9.8 gives 9.
    EXPECT_EQ(GradientColumnsH(0x000000, 0x0000FF, 26)[1], 0x000009u);
}

TEST(ProgressBar, PercentCaptionAndFilledLength) {
    struct Case {
        ProgressRange range;
        int length;
        std::string caption;
        int filled;
    };
    const Case cases[] = {
        {{0, 100, 50}, 211, "50%", 105},   {{0, 100, 0}, 211, "0%", 0},
        {{0, 100, 100}, 211, "100%", 211}, {{0, 100, 150}, 211, "150%", 211},
        {{0, 100, -20}, 211, "-20%", 0},   {{0, 3, 1}, 211, "33%", 70},
        {{5, 5, 5}, 211, "0%", 0},         {{5, 5, 9}, 211, "0%", 0},
        {{10, 0, 5}, 211, "50%", 0},       {{0, 100, 29}, 100, "29%", 29},
        {{0, 100, 1}, 211, "1%", 2},       {{-50, 50, 0}, 211, "50%", 105},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(ProgressCaption(c.range), c.caption);
        EXPECT_EQ(ProgressFilledLength(c.range, c.length), c.filled);
    }
}

TEST(ProgressBar, PictureAndColourRectangles) {
    struct Case {
        ProgressRange range;
        PixelSize size;
        bool vertical;
        PixelRect picture, rest;
    };
    const Case cases[] = {
        {{0, 100, 50}, {212, 18}, false, {1, 1, 105, 17}, {105, 1, 211, 17}},
        {{0, 100, 150}, {212, 18}, false, {1, 1, 211, 17}, {211, 1, 211, 17}},
        {{0, 100, 0}, {212, 18}, false, {1, 1, 1, 17}, {1, 1, 211, 17}},
        {{0, 100, 50}, {18, 101}, true, {1, 51, 17, 100}, {1, 1, 17, 51}},
        {{0, 100, 0}, {18, 101}, true, {1, 100, 17, 100}, {1, 1, 17, 100}},
    };
    for (const Case& c : cases) {
        const ProgressBarLayout layout = LayoutProgressBar(c.range, c.size, c.vertical);
        EXPECT_EQ(layout.picture, c.picture);
        EXPECT_EQ(layout.rest, c.rest);
    }
}

TEST(CheckBox, AutoSizeAndLayoutBothWays) {
    EXPECT_EQ(CheckBoxAutoSize({13, 13}, 101, 13), (PixelSize{122, 19}));
    EXPECT_EQ(CheckBoxAutoSize({13, 13}, 53, 9), (PixelSize{74, 17}));
    EXPECT_EQ(CheckBoxAutoSize({15, 17}, 0, 13), (PixelSize{23, 21}));

    const CheckBoxLayout ltr = LayoutCheckBox({122, 19}, {13, 13}, 13, false);
    EXPECT_EQ(ltr.image, (PixelPoint{1, 3}));
    EXPECT_EQ(ltr.caption, (PixelRect{17, 3, 122, 19}));
    EXPECT_EQ(ltr.focus, (PixelRect{16, 3, 122, 18}));
    const CheckBoxLayout rtl = LayoutCheckBox({122, 19}, {13, 13}, 13, true);
    EXPECT_EQ(rtl.image, (PixelPoint{108, 3}));
    EXPECT_EQ(rtl.caption, (PixelRect{0, 3, 105, 19}));
    EXPECT_EQ(rtl.focus, (PixelRect{0, 3, 107, 18}));
}

TEST(ButtonLayout, GlyphAndCaptionPlacesForEveryLayout) {
    using L = TButtonLayout;
    struct Case {
        L layout;
        PixelSize glyph;
        GlyphPlacement place;
    };
    // An 80 x 27 button, a 40 x 13 caption, spacing 4.
    const Case cases[] = {
        {L::blGlyphLeft, {16, 16}, {{10, 5}, {30, 7}}},
        {L::blGlyphRight, {16, 16}, {{54, 5}, {10, 7}}},
        {L::blGlyphTop, {16, 16}, {{32, -3}, {20, 17}}},
        {L::blGlyphBottom, {16, 16}, {{32, 14}, {20, -3}}},
        {L::blGlyphLeft, {32, 16}, {{10, 5}, {30, 7}}},  // two images of 16 x 16
    };
    for (const Case& c : cases) {
        const GlyphPlacement place = PlaceGlyph(c.layout, {80, 27}, c.glyph, {40, 13}, 4);
        EXPECT_EQ(place.glyph, c.place.glyph) << static_cast<int>(c.layout);
        EXPECT_EQ(place.caption, c.place.caption) << static_cast<int>(c.layout);
    }
    EXPECT_EQ(CentreIn({80, 23}, {55, 13}), (PixelPoint{12, 5}));
    EXPECT_EQ(CentreIn({30, 23}, {33, 13}), (PixelPoint{-1, 5}));
}

TEST(ButtonLayout, ArrowTriangles) {
    const ArrowTriangle down = ArrowCorners({21, 21}, TlumArrow::lumDown);
    EXPECT_EQ(down.corners[0], (PixelPoint{7, 9}));
    EXPECT_EQ(down.corners[1], (PixelPoint{10, 12}));
    EXPECT_EQ(down.corners[2], (PixelPoint{13, 9}));
    const ArrowTriangle up = ArrowCorners({21, 21}, TlumArrow::lumUp);
    EXPECT_EQ(up.corners[0], (PixelPoint{7, 12}));
    EXPECT_EQ(up.corners[1], (PixelPoint{10, 9}));
    EXPECT_EQ(up.corners[2], (PixelPoint{13, 12}));

    const std::vector<PixelRun> downRuns = {{9, 7, 14}, {10, 8, 13}, {11, 9, 12}, {12, 10, 11}};
    EXPECT_EQ(ArrowRuns({21, 21}, TlumArrow::lumDown), downRuns);
    const std::vector<PixelRun> upRuns = {{9, 10, 11}, {10, 9, 12}, {11, 8, 13}, {12, 7, 14}};
    EXPECT_EQ(ArrowRuns({21, 21}, TlumArrow::lumUp), upRuns);
}

TEST(ButtonLayout, Accelerators) {
    struct Case {
        const char* caption;
        char key;
    };
    const Case cases[] = {{"&OK", 'o'},           {"E&xit", 'x'}, {"Convert...", 0},
                          {"Save && &Quit", 'q'}, {"&&", 0},      {"Trailing&", 0},
                          {"&Home Page", 'h'},    {"", 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(AcceleratorOf(c.caption), c.key) << c.caption;
    }
}

TEST(PopupMenu, MeasureAndLayout) {
    const MenuMetrics deepBlue{21, 5, 26};
    const MenuMetrics macOS{20, 12, 26};
    EXPECT_EQ(MeasureMenuItem(deepBlue, true, 5, 0, 13), (PixelSize{71, 5}));
    EXPECT_EQ(MeasureMenuItem(macOS, true, 5, 0, 13), (PixelSize{71, 12}));
    EXPECT_EQ(MeasureMenuItem(deepBlue, false, 100, 30, 13), (PixelSize{196, 21}));
    EXPECT_EQ(MeasureMenuItem(deepBlue, false, 100, 0, 25), (PixelSize{166, 25}));

    const MenuItemLayout ltr = LayoutMenuItem({0, 21, 200, 42}, 26, 30, false);
    EXPECT_EQ(ltr.bar, (PixelRect{0, 21, 26, 42}));
    EXPECT_EQ(ltr.body, (PixelRect{26, 21, 200, 42}));
    EXPECT_EQ(ltr.caption, (PixelRect{30, 21, 200, 42}));
    EXPECT_EQ(ltr.shortcut, (PixelRect{154, 21, 200, 42}));
    EXPECT_EQ(ltr.image, (PixelPoint{4, 24}));
    EXPECT_EQ(ltr.checkedImageFrame, (PixelRect{2, 22, 21, 41}));
    EXPECT_EQ(ltr.checkedImageFill, (PixelRect{3, 23, 20, 40}));

    // Right to left: bar and image column at the right; the caption
    // right-aligned up to R.right - 4, the shortcut from R.left + BarWidth + 4.
    const MenuItemLayout rtl = LayoutMenuItem({0, 0, 200, 21}, 26, 30, true);
    EXPECT_EQ(rtl.bar, (PixelRect{174, 0, 200, 21}));
    EXPECT_EQ(rtl.body, (PixelRect{0, 0, 174, 21}));
    EXPECT_EQ(rtl.caption, (PixelRect{26, 0, 196, 21}));
    EXPECT_EQ(rtl.shortcut, (PixelRect{30, 0, 200, 21}));
    EXPECT_EQ(rtl.image, (PixelPoint{180, 3}));
    EXPECT_EQ(rtl.checkedImageFrame, (PixelRect{178, 1, 197, 20}));

    EXPECT_EQ(MenuSeparatorLine({0, 42, 200, 47}, 26, false), (PixelRect{30, 44, 198, 45}));
    EXPECT_EQ(MenuSeparatorLine({0, 42, 200, 47}, 26, true), (PixelRect{2, 44, 170, 45}));
}

}  // namespace
}  // namespace kestrum
