// Every skinned control drawn from a real skin file through TlumFileTheme:
// the pictures and frames it takes, the colours, a missing picture, the
// fallback to DeepBlue while the theme is not ready, and what happens to the
// controls when the theme loads another skin or goes away.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QTest>
#include <cstdio>
#include <memory>

#include "platform/file_system.h"
#include "skin/controls/widget_test_support.h"
#include "skin/core/skin_file_sk2_build.h"
#include "skin/core/skin_file_temp.h"
#include "skin/ui/arrow_button.h"
#include "skin/ui/button.h"
#include "skin/ui/check_box.h"
#include "skin/ui/edit.h"
#include "skin/ui/file_theme.h"
#include "skin/ui/popup_menu.h"
#include "skin/ui/progress_bar.h"
#include "skin_test_files.h"
#include "support/temp_folder.h"

namespace kestrum {
namespace {

using skinfile::BitmapRecord;
using skinfile::BooleanRecord;
using skinfile::IntegerRecord;
using test::Shot;
using test::Strip;
using test::TestWindow;

constexpr QRgb kMagenta = 0xFFFF00FF;

QRgb ToRgb(TColor colour) {
    return qRgb(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

std::string BmpOf(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes.toStdString();
}

// A strip whose frames each have a magenta top-left pixel.
QImage KeyedStrip(int width, int height, const std::vector<QRgb>& colours) {
    QImage strip = Strip(width, height, colours);
    for (std::size_t i = 0; i < colours.size(); ++i) {
        strip.setPixel(static_cast<int>(i) * width, 0, kMagenta);
    }
    return strip;
}

// What a test skin holds; every colour differs from every other.
struct SkinLook {
    QRgb button[3];    // strip frames: normal, hot, pressed
    QRgb checkBox[6];  // strip frames 1 to 6
    QRgb progress[4];  // left end, filled, still to fill, right end
    bool buttonTransparent;
    TColor buttonFont;     // 24
    TColor control;        // 21
    TColor controlBorder;  // 22
    TColor form;           // 2
    TColor menu[7];        // 9 to 15
    bool withBitmaps = true;
};

const SkinLook kSkinA = {
    {0xFFC80000, 0xFF00C800, 0xFF0000C8},
    {0xFF100001, 0xFF100002, 0xFF100003, 0xFF100004, 0xFF100005, 0xFF100006},
    {0xFFE01010, 0xFF10E010, 0xFF1010E0, 0xFFE0E010},
    true,
    0x0020A0F0,
    0x00405060,
    0x00102030,
    0x00332211,
    {0x00D0D0D0, 0x00A0A0A0, 0x00F4F2EE, 0x001B1E22, 0x0030A0F0, 0x001878C0, 0x00221E1B},
};

const SkinLook kSkinB = {
    {0xFF640000, 0xFF006400, 0xFF000064},
    {0xFF200001, 0xFF200002, 0xFF200003, 0xFF200004, 0xFF200005, 0xFF200006},
    {0xFF801010, 0xFF108010, 0xFF101080, 0xFF808010},
    false,
    0x000000FF,
    0x00FFEEDD,
    0x0000FF00,
    0x00445566,
    {0x00010203, 0x00040506, 0x00070809, 0x000A0B0C, 0x000D0E0F, 0x00101112, 0x00131415},
};

std::string SkinBytes(const SkinLook& look, const std::string& password = {}) {
    std::vector<skinfile::Sk2Record> records = {
        BooleanRecord("SKIN2_BUTTONTRANS", look.buttonTransparent),
        IntegerRecord("SKIN2_BUTTONFONTCOLOR", static_cast<std::int32_t>(look.buttonFont)),
        IntegerRecord("SKIN2_CONTROLCOLOR", static_cast<std::int32_t>(look.control)),
        IntegerRecord("SKIN2_CONTROLBORDERCOLOR", static_cast<std::int32_t>(look.controlBorder)),
        IntegerRecord("SKIN2_FORMCOLOR", static_cast<std::int32_t>(look.form)),
    };
    const char* const menuNames[] = {
        "SKIN2_LEFTBARSTARTCOLOR",     "SKIN2_LEFTBARENDCOLOR",   "SKIN2_MENUITEMCOLOR",
        "SKIN2_MENUITEMFONTCOLOR",     "SKIN2_SELECTEDMENUCOLOR", "SKIN2_SELECTEDMENUBORDERCOLOR",
        "SKIN2_SELECTEDMENUFONTCOLOR",
    };
    for (int i = 0; i < 7; ++i) {
        records.push_back(IntegerRecord(menuNames[i], static_cast<std::int32_t>(look.menu[i])));
    }
    if (look.withBitmaps) {
        const auto all = [](const QRgb* colours, int count) {
            return std::vector<QRgb>(colours, colours + count);
        };
        records.push_back(
            BitmapRecord("SKIN2_BUTTON", BmpOf(KeyedStrip(20, 21, all(look.button, 3)))));
        records.push_back(
            BitmapRecord("SKIN2_CHECKBOX", BmpOf(Strip(13, 13, all(look.checkBox, 6)))));
        records.push_back(
            BitmapRecord("SKIN2_PROGRESSBAR1", BmpOf(KeyedStrip(3, 18, {look.progress[0]}))));
        records.push_back(
            BitmapRecord("SKIN2_PROGRESSBAR2", BmpOf(Strip(1, 18, {look.progress[1]}))));
        records.push_back(
            BitmapRecord("SKIN2_PROGRESSBAR3", BmpOf(Strip(1, 18, {look.progress[2]}))));
        records.push_back(
            BitmapRecord("SKIN2_PROGRESSBAR4", BmpOf(Strip(3, 18, {look.progress[3]}))));
    }
    return test::SkinFileBytes(records, password);
}

// One control of each kind, all drawing from the same theme.
struct Controls {
    explicit Controls(TlumThemeSource* theme) {
        button.setGeometry(0, 0, 80, 23);
        arrow.setGeometry(100, 0, 21, 21);
        box.move(0, 40);
        box.SetCaption("Same as the input file");
        bar.setGeometry(0, 80, 106, 18);
        bar.SetShowCaption(false);
        edit.setGeometry(0, 120, 300, 20);
        menu.addAction("Open the output folder");
        for (QObject* control : All()) {
            control->setProperty("FileTheme", QVariant::fromValue(theme));
            control->setProperty("UIStyle", QVariant::fromValue(TlumUIStyle::FromThemeFile));
        }
    }
    std::vector<QObject*> All() { return {&button, &arrow, &box, &bar, &edit, &menu}; }
    void ExpectAllFollow(TlumThemeSource* theme, TlumUIStyle style) {
        for (QObject* control : All()) {
            EXPECT_EQ(control->property("FileTheme").value<TlumThemeSource*>(), theme)
                << control->metaObject()->className();
            EXPECT_EQ(control->property("UIStyle").value<TlumUIStyle>(), style)
                << control->metaObject()->className();
        }
    }

    TestWindow window;
    TlumButton button{&window};
    TlumArrowButton arrow{&window};
    TlumCheckBox box{&window};
    TlumProgressBar bar{&window};
    TlumEdit edit{&window};
    TlumPopupMenu menu;
};

// The same controls in DeepBlue, to compare a fallback with.
struct DeepBlueTwins : Controls {
    DeepBlueTwins() : Controls(nullptr) {
        for (QObject* control : All()) {
            control->setProperty("UIStyle", QVariant::fromValue(TlumUIStyle::DeepBlue));
        }
    }
};

void ExpectDrawnAsDeepBlue(Controls& controls) {
    DeepBlueTwins twins;
    EXPECT_EQ(Shot(&controls.button), Shot(&twins.button));
    EXPECT_EQ(Shot(&controls.arrow), Shot(&twins.arrow));
    EXPECT_EQ(Shot(&controls.box), Shot(&twins.box));
    EXPECT_EQ(Shot(&controls.bar), Shot(&twins.bar));
    EXPECT_EQ(Shot(&controls.edit), Shot(&twins.edit));
    EXPECT_EQ(controls.menu.Color(), twins.menu.Color());
    EXPECT_EQ(controls.menu.SelectedColor(), twins.menu.SelectedColor());
    EXPECT_EQ(controls.menu.BarColor(), twins.menu.BarColor());
}

class SkinnedControls : public ::testing::Test {
protected:
    // A theme that has loaded `look` (and is ready).
    std::unique_ptr<TlumFileTheme> ThemeOf(const SkinLook& look,
                                           const std::string& name = "a.skin") {
        auto theme = std::make_unique<TlumFileTheme>();
        test::WriteFile(files_ / name, SkinBytes(look));
        theme->SetThemeFile(QString::fromStdString(files_ / name));
        EXPECT_TRUE(theme->Ready());
        return theme;
    }
    QRgb WindowColour(const Controls& controls) const {
        return controls.window.palette().color(QPalette::Window).rgb();
    }

    test::TempFolder files_;
};

TEST_F(SkinnedControls, ButtonsDrawTheSkinsStripFrameForEachState) {
    const auto theme = ThemeOf(kSkinA);
    Controls controls(theme.get());
    TlumButton& button = controls.button;
    controls.window.Activate();
    const QPoint centre(40, 11);

    EXPECT_EQ(Shot(&button).pixel(centre), kSkinA.button[0]) << "normal: frame 1";
    QTest::mouseMove(&button, centre);
    EXPECT_EQ(Shot(&button).pixel(centre), kSkinA.button[1]) << "hot: frame 2";
    QTest::mousePress(&button, Qt::LeftButton, {}, centre);
    EXPECT_EQ(Shot(&button).pixel(centre), kSkinA.button[2]) << "pressed: frame 3";
    QTest::mouseRelease(&button, Qt::LeftButton, {}, centre);
    button.setEnabled(false);
    EXPECT_EQ(Shot(&button).pixel(centre), kSkinA.button[0]) << "disabled: frame 1";

    // Transparency and the caption's colour come from the skin too.
    EXPECT_TRUE(button.Transparent());
    EXPECT_EQ(Shot(&button).pixel(0, 0), WindowColour(controls)) << "magenta corner keyed";
    EXPECT_EQ(button.FontColor(), kSkinA.buttonFont);
    button.setEnabled(true);
    QFont bold = button.font();
    bold.setPixelSize(20);
    bold.setBold(true);
    button.setFont(bold);
    button.SetCaption("W");
    const QImage caption = Shot(&button);
    bool inFontColour = false;
    for (int x = 20; x < 60; ++x) {
        for (int y = 0; y < 23; ++y) {
            inFontColour = inFontColour || caption.pixel(x, y) == ToRgb(kSkinA.buttonFont);
        }
    }
    EXPECT_TRUE(inFontColour);

    // The arrow button takes the same strip and transparency.
    EXPECT_EQ(Shot(&controls.arrow).pixel(3, 3), kSkinA.button[0]);
    EXPECT_EQ(Shot(&controls.arrow).pixel(0, 0), WindowColour(controls));
    EXPECT_TRUE(controls.arrow.Transparent());
}

TEST_F(SkinnedControls, CheckBoxesUseFramesOneThreeFourAndSixOfTheSkinsStrip) {
    const auto theme = ThemeOf(kSkinA);
    Controls controls(theme.get());
    TlumCheckBox& box = controls.box;
    const struct {
        bool checked;
        bool enabled;
        int frame;
    } cases[] = {{true, true, 1}, {false, true, 3}, {true, false, 4}, {false, false, 6}};
    for (const auto& c : cases) {
        box.SetChecked(c.checked);
        box.setEnabled(c.enabled);
        const int top = (box.height() - 13) / 2;
        EXPECT_EQ(Shot(&box).pixel(1 + 6, top + 6), kSkinA.checkBox[c.frame - 1]) << c.frame;
    }
    EXPECT_EQ(box.width(), CheckBoxAutoSize(box.Look()).width()) << "sized to a 13-pixel frame";
}

TEST_F(SkinnedControls, ProgressBarsDrawTheFourPiecesOverTheControlColourWithoutABorder) {
    const auto theme = ThemeOf(kSkinA);
    Controls controls(theme.get());
    TlumProgressBar& bar = controls.bar;
    bar.SetPosition(50);  // 50 of the 100 pixels between the 3-pixel ends
    EXPECT_EQ(bar.Color(), kSkinA.control);
    EXPECT_EQ(bar.BorderColor(), kSkinA.controlBorder);
    const QRgb left = kSkinA.progress[0], filled = kSkinA.progress[1];
    const QRgb rest = kSkinA.progress[2], right = kSkinA.progress[3];

    const QImage horizontal = Shot(&bar);
    const struct {
        int x;
        QRgb colour;
    } columns[] = {{1, left},  {2, left},   {3, filled},  {52, filled},
                   {53, rest}, {102, rest}, {103, right}, {105, right}};
    for (const auto& column : columns) {
        for (int y : {0, 9, 17}) {
            EXPECT_EQ(horizontal.pixel(column.x, y), column.colour) << column.x << "," << y;
        }
    }
    EXPECT_EQ(horizontal.pixel(0, 0), ToRgb(kSkinA.control)) << "magenta shows the control colour";
    EXPECT_EQ(horizontal.pixel(0, 1), left);

    // Standing up, the bar fills from its bottom end.
    bar.SetOrientation(TlumOrientation::lumVertical);
    bar.setGeometry(320, 30, 18, 106);
    const QImage vertical = Shot(&bar);
    for (const auto& column : columns) {
        EXPECT_EQ(vertical.pixel(9, 105 - column.x), column.colour) << column.x;
    }
    EXPECT_EQ(vertical.pixel(0, 105), ToRgb(kSkinA.control));
}

TEST_F(SkinnedControls, EditBoxesFrameInTheSkinsBorderColour) {
    const auto theme = ThemeOf(kSkinA);
    Controls controls(theme.get());
    controls.edit.SetColor(0xFFFFFF);
    const QImage image = Shot(&controls.edit);
    EXPECT_EQ(image.pixel(0, 0), ToRgb(kSkinA.controlBorder));
    EXPECT_EQ(image.pixel(299, 10), ToRgb(kSkinA.controlBorder));
    EXPECT_EQ(image.pixel(1, 1), qRgb(255, 255, 255));
}

TEST_F(SkinnedControls, PopupMenusDrawInTheSkinsColoursAndTheFlatBorderInColourTwo) {
    const auto theme = ThemeOf(kSkinA);
    TlumPopupMenu menu;
    menu.SetFileTheme(theme.get());
    menu.SetUIStyle(TlumUIStyle::FromThemeFile);
    QAction* first = menu.addAction("Open the output folder");
    QAction* second = menu.addAction("Convert");
    const TColor* colour = kSkinA.menu;
    EXPECT_EQ(menu.BarColor(), colour[0]);
    EXPECT_EQ(menu.BarToColor(), colour[1]);
    EXPECT_EQ(menu.Color(), colour[2]);
    EXPECT_EQ(menu.FontColor(), colour[3]);
    EXPECT_EQ(menu.SelectedColor(), colour[4]);
    EXPECT_EQ(menu.SelectedBorderColor(), colour[5]);
    EXPECT_EQ(menu.SelectedFontColor(), colour[6]);

    menu.popup(QPoint(300, 100));
    QTest::qWait(1);
    menu.setActiveAction(first);
    const QImage image = menu.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect selected = menu.actionGeometry(first);
    const QRect plain = menu.actionGeometry(second);
    EXPECT_EQ(image.pixel(selected.topLeft()), ToRgb(colour[5])) << "selected border";
    EXPECT_EQ(image.pixel(selected.left() + 10, selected.top() + 5), ToRgb(colour[4]));
    const int barWidth = menu.BarWidth();
    EXPECT_EQ(image.pixel(plain.left(), plain.top() + 5), ToRgb(colour[0])) << "bar from 9";
    EXPECT_EQ(image.pixel(plain.left() + barWidth - 1, plain.top() + 5), ToRgb(colour[1]))
        << "to 10";
    EXPECT_EQ(image.pixel(plain.right() - 2, plain.top() + 1), ToRgb(colour[2]));
    menu.hide();

    menu.SetFlatMenu(true);
    menu.popup(QPoint(300, 100));
    QTest::qWait(1);
    const QImage flat = menu.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(flat.pixel(flat.width() - 1, flat.height() / 2), ToRgb(kSkinA.form));
    EXPECT_EQ(flat.pixel(flat.width() / 2, 0), ToRgb(kSkinA.form));
    EXPECT_EQ(flat.pixel(flat.width() / 2, flat.height() - 1), ToRgb(kSkinA.form));
    menu.hide();
}

TEST_F(SkinnedControls, AMissingPictureDrawsNothing) {
    SkinLook bare = kSkinA;
    bare.withBitmaps = false;
    const auto theme = ThemeOf(bare);
    Controls controls(theme.get());
    controls.button.SetTransparent(false);
    controls.button.SetColor(0x00FF00);
    const QImage button = Shot(&controls.button);
    EXPECT_EQ(button.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(button.pixel(40, 11), qRgb(0, 255, 0));

    TlumCheckBox& box = controls.box;
    box.SetColor(0x00FF00);
    box.SetChecked(true);
    EXPECT_EQ(Shot(&box).pixel(3, box.height() / 2), qRgb(0, 255, 0)) << "no box";

    const QImage bar = Shot(&controls.bar);
    for (int x : {0, 2, 50, 105}) {
        EXPECT_EQ(bar.pixel(x, 9), ToRgb(bare.control)) << x;
    }
}

TEST_F(SkinnedControls, AThemeThatIsNotReadyDrawsAsDeepBlue) {
    test::WriteFile(files_ / "locked.skin", SkinBytes(kSkinA, "right"));
    test::WriteFile(files_ / "not-a-skin.skin", "SK and nothing else");
    const struct {
        const char* what;
        std::string file;
        QString password;
    } cases[] = {
        {"no password", files_ / "locked.skin", ""},
        {"wrong password", files_ / "locked.skin", "wrong"},
        {"missing file", files_ / "missing.skin", ""},
        {"not an archive", files_ / "not-a-skin.skin", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TlumFileTheme theme;
        theme.SetThemeFile(QString::fromStdString(c.file));
        theme.SetPassword(c.password);
        EXPECT_FALSE(theme.Ready());
        Controls controls(&theme);
        ExpectDrawnAsDeepBlue(controls);
    }
}

TEST_F(SkinnedControls, ASkinNamedAloneIsFoundInTheProgramsFolder) {
    const std::string name = "kestrum-test-" + skinfile::NewGuidText() + ".skin";
    const std::string inProgramFolder = platform::ExecutableFolder() + name;
    test::WriteFile(inProgramFolder, SkinBytes(kSkinA));
    TlumFileTheme theme;
    theme.SetThemeFile(QString::fromStdString(name));
    std::remove(inProgramFolder.c_str());
    ASSERT_TRUE(theme.Ready());
    Controls controls(&theme);
    EXPECT_EQ(Shot(&controls.button).pixel(40, 11), kSkinA.button[0]);
}

TEST_F(SkinnedControls, ALoadAppliesTheStyleAgainAndRemovingTheThemeLeavesDeepBlue) {
    auto theme = ThemeOf(kSkinA);
    Controls controls(theme.get());
    controls.bar.SetPosition(50);
    EXPECT_EQ(Shot(&controls.button).pixel(40, 11), kSkinA.button[0]);

    // Another skin: every control that refers to the theme takes it at once.
    test::WriteFile(files_ / "b.skin", SkinBytes(kSkinB));
    theme->SetThemeFile(QString::fromStdString(files_ / "b.skin"));
    ASSERT_TRUE(theme->Ready());
    const QImage button = Shot(&controls.button);
    EXPECT_EQ(button.pixel(40, 11), kSkinB.button[0]);
    EXPECT_EQ(button.pixel(0, 0), kMagenta) << "corners opaque: the skin says not transparent";
    EXPECT_FALSE(controls.button.Transparent());
    EXPECT_EQ(controls.button.FontColor(), kSkinB.buttonFont);
    EXPECT_EQ(Shot(&controls.arrow).pixel(3, 3), kSkinB.button[0]);
    controls.box.SetChecked(true);
    EXPECT_EQ(Shot(&controls.box).pixel(7, (controls.box.height() - 13) / 2 + 6),
              kSkinB.checkBox[0]);
    EXPECT_EQ(Shot(&controls.bar).pixel(10, 9), kSkinB.progress[1]);
    EXPECT_EQ(controls.edit.BorderColor(), kSkinB.controlBorder);
    EXPECT_EQ(controls.menu.Color(), kSkinB.menu[2]);

    // The theme goes away: the controls forget it and draw as DeepBlue.
    theme.reset();
    controls.ExpectAllFollow(nullptr, TlumUIStyle::DeepBlue);
    controls.box.SetChecked(false);
    ExpectDrawnAsDeepBlue(controls);
}

}  // namespace
}  // namespace kestrum
