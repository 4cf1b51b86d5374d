// The skinned push button: its drawing from the style's strip, its states,
// and its mouse, key, repeat and modal-result behaviour.
#include <gtest/gtest.h>

#include <cstdlib>

#include <QDialog>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "skin/ui/button.h"
#include "skin/ui/check_box.h"
#include "skin/ui/skin_bitmaps.h"
#include "widget_test_support.h"

namespace kestrum {
namespace {

using test::Shot;
using test::TestWindow;

QImage WinXPFrame(int index) {
    return CutStripFrame(LoadSkinBitmap("WINXP_BUTTON"), 3, index);
}

bool SameBlock(const QImage& image, QPoint at, const QImage& frame, QRect source) {
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            if (image.pixel(at.x() + x, at.y() + y) !=
                frame.pixel(source.x() + x, source.y() + y)) {
                return false;
            }
        }
    }
    return true;
}

TEST(PushButton, DrawsTheStateFrameWithUnscaledCorners) {
    TestWindow window;
    TlumButton button(&window);
    button.SetUIStyle(TlumUIStyle::WinXP);
    button.resize(30, 23);
    const QImage normal = WinXPFrame(1);
    const QImage image = Shot(&button);
    EXPECT_TRUE(SameBlock(image, {0, 0}, normal, {0, 0, 9, 10}));     // top-left 9 x 10
    EXPECT_TRUE(SameBlock(image, {22, 0}, normal, {10, 0, 8, 10}));   // top-right 8 x 10
    EXPECT_TRUE(SameBlock(image, {0, 14}, normal, {0, 12, 8, 9}));    // bottom-left 9 x 9
    EXPECT_TRUE(SameBlock(image, {22, 14}, normal, {10, 12, 8, 9}));  // bottom-right 8 x 9
}

TEST(PushButton, HotPressedAndDisabledStatesUseTheirFrames) {
    TestWindow window;
    TlumButton button(&window);
    button.SetUIStyle(TlumUIStyle::WinXP);
    button.setGeometry(10, 10, 80, 23);
    window.Activate();
    const QPoint centre(40, 11);
    const QPoint edge(3, 1);  // inside the border, where hot frames differ

    EXPECT_EQ(Shot(&button).pixel(edge), WinXPFrame(1).pixel(3, 1));
    QTest::mouseMove(&button, centre);
    EXPECT_TRUE(button.IsHot());
    EXPECT_EQ(Shot(&button).pixel(edge), WinXPFrame(2).pixel(3, 1));
    QTest::mousePress(&button, Qt::LeftButton, {}, centre);
    EXPECT_TRUE(button.IsDown());
    EXPECT_EQ(Shot(&button).pixel(edge), WinXPFrame(3).pixel(3, 1));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, centre);

    button.setEnabled(false);
    button.SetCaption("Convert...");
    const QImage disabled = Shot(&button);
    EXPECT_EQ(disabled.pixel(edge), WinXPFrame(1).pixel(3, 1));
    bool grey = false, black = false;
    for (int y = 0; y < disabled.height(); ++y) {
        for (int x = 0; x < disabled.width(); ++x) {
            // The shadow colour, give or take the text's antialiasing.
            const QRgb p = disabled.pixel(x, y);
            grey = grey || (std::abs(qRed(p) - 0x80) <= 12 && std::abs(qGreen(p) - 0x80) <= 12 &&
                            std::abs(qBlue(p) - 0x80) <= 12);
            black = black || qGray(disabled.pixel(x, y)) < 40;
        }
    }
    EXPECT_TRUE(grey) << "engraved grey caption";
    EXPECT_FALSE(black) << "no caption in the font colour";
}

TEST(PushButton, BlankCaptionsDrawNoTextAndFocusMarksFollowTheStyle) {
    TestWindow window;
    TlumButton plain(&window), blank(&window);
    for (TlumButton* button : {&plain, &blank}) {
        button->SetUIStyle(TlumUIStyle::WinXP);
        button->resize(80, 23);
    }
    blank.move(0, 40);
    blank.SetCaption("   ");
    EXPECT_EQ(Shot(&plain), Shot(&blank));

    window.Activate();
    plain.setFocus();
    QImage focused = Shot(&plain);
    EXPECT_EQ(focused.pixel(2, 2), qRgb(0, 0, 0)) << "dotted rectangle two pixels in";
    EXPECT_NE(focused.pixel(3, 2), qRgb(0, 0, 0));

    plain.SetCaption("OK");
    plain.SetUIStyle(TlumUIStyle::MacOS);
    const QImage bold = Shot(&plain);
    blank.setFocus();
    const QImage regular = Shot(&plain);
    EXPECT_NE(bold, regular) << "MacOS shows the focus as a bold caption";
    EXPECT_NE(bold.pixel(2, 2), qRgb(0, 0, 0)) << "and draws no rectangle";
}

TEST(PushButton, ClicksOnReleaseInsideAndNotAfterMovingOut) {
    TestWindow window;
    TlumButton button(&window);
    button.setGeometry(10, 10, 80, 23);
    window.Activate();
    QSignalSpy clicks(&button, &TlumButton::OnClick);
    QTest::mouseClick(&button, Qt::LeftButton, {}, {40, 11});
    EXPECT_EQ(clicks.count(), 1);

    QTest::mousePress(&button, Qt::LeftButton, {}, {40, 11});
    QTest::mouseMove(&button, {120, 11});
    EXPECT_FALSE(button.IsDown());
    QTest::mouseRelease(&button, Qt::LeftButton, {}, {120, 11});
    EXPECT_EQ(clicks.count(), 1);

    button.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton, {}, {40, 11});
    EXPECT_EQ(clicks.count(), 1);
}

TEST(PushButton, RepeatsWhileHeldAndANegativeIntervalActsAsZero) {
    for (int interval : {15, -5}) {
        TestWindow window;
        TlumButton button(&window);
        button.setGeometry(10, 10, 80, 23);
        button.SetMouseContinuouslyDownInterval(interval);
        window.Activate();
        QSignalSpy repeats(&button, &TlumButton::OnMouseContinuouslyDown);
        QTest::mousePress(&button, Qt::LeftButton, {}, {40, 11});
        QTest::qWait(80);
        QTest::mouseRelease(&button, Qt::LeftButton, {}, {40, 11});
        const auto held = repeats.count();
        EXPECT_GE(held, 2) << interval;
        QTest::qWait(40);
        EXPECT_EQ(repeats.count(), held) << "the release stops the repeat";
    }
}

TEST(PushButton, KeysPressAndReleaseAndTheDialogKeysFindTheirButton) {
    TestWindow window;
    TlumButton ok(&window), cancel(&window), other(&window);
    ok.SetCaption("&OK");
    ok.SetDefault(true);
    cancel.SetCaption("Cancel");
    cancel.SetCancel(true);
    other.SetCaption("Browser...");
    QWidget plain(&window);
    plain.setFocusPolicy(Qt::StrongFocus);
    TlumCheckBox box(&window);
    box.SetCaption("Don't use it");
    window.Activate();
    QSignalSpy okClicks(&ok, &TlumButton::OnClick);
    QSignalSpy cancelClicks(&cancel, &TlumButton::OnClick);
    QSignalSpy otherClicks(&other, &TlumButton::OnClick);

    other.setFocus();
    QTest::keyPress(&other, Qt::Key_Space);
    EXPECT_TRUE(other.IsDown());
    QTest::keyRelease(&other, Qt::Key_Space);
    EXPECT_EQ(otherClicks.count(), 1);

    QTest::keyClick(&other, Qt::Key_Return);  // the focused button is the active default
    EXPECT_EQ(otherClicks.count(), 2);
    EXPECT_EQ(okClicks.count(), 0);

    plain.setFocus();
    QTest::keyClick(&plain, Qt::Key_Return);
    EXPECT_EQ(okClicks.count(), 1);
    QTest::keyClick(&plain, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(&plain, Qt::Key_Escape, Qt::ControlModifier);
    EXPECT_EQ(okClicks.count(), 1);
    EXPECT_EQ(cancelClicks.count(), 0);
    QTest::keyClick(&plain, Qt::Key_Escape);
    EXPECT_EQ(cancelClicks.count(), 1);

    QTest::keyClick(&plain, Qt::Key_O);  // a bare key in a plain control is no accelerator
    EXPECT_EQ(okClicks.count(), 1);
    QTest::keyClick(&plain, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(okClicks.count(), 2);
    other.setFocus();
    QTest::keyClick(&other, Qt::Key_O);  // with a skinned button focused it is
    EXPECT_EQ(okClicks.count(), 3);
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_O);  // a focused check box does not ask for it
    EXPECT_EQ(okClicks.count(), 3);
    QTest::keyClick(&box, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(okClicks.count(), 4);
}

TEST(PushButton, EveryClickHandsItsModalResultToTheDialog) {
    QDialog dialog;
    TlumButton keep(&dialog), ok(&dialog);
    ok.SetModalResult(QDialog::Accepted);
    dialog.setResult(7);
    keep.Click();
    EXPECT_EQ(dialog.result(), 0) << "ModalResult 0 still resets the result";

    QTimer::singleShot(0, &ok, [&] { ok.Click(); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(PushButton, AutoSizeTakesOneFrameOrTheBlankSize) {
    TestWindow window;
    TlumButton button(&window);
    button.SetUIStyle(TlumUIStyle::WinXP);
    button.SetAutoSize(true);
    EXPECT_EQ(button.size(), QSize(18, 21));
    button.SetUIStyle(TlumUIStyle::BlueGlass);
    EXPECT_EQ(button.size(), QSize(77, 27));
    test::FakeThemeSource noStrip;
    button.SetFileTheme(&noStrip);
    button.SetUIStyle(TlumUIStyle::FromThemeFile);
    EXPECT_EQ(button.size(), QSize(24, 21));
}

TEST(PushButton, ATransparentButtonShowsItsParentInTheMagentaCorners) {
    TestWindow window;
    QPalette red = window.palette();
    red.setColor(QPalette::Window, Qt::red);
    window.setPalette(red);
    TlumButton button(&window);
    button.SetUIStyle(TlumUIStyle::MacOS);  // transparent by its style
    button.resize(80, 23);
    EXPECT_TRUE(button.Transparent());
    const QImage image = Shot(&button);
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_NE(image.pixel(40, 11), qRgb(255, 0, 0));

    button.SetTransparent(false);
    EXPECT_EQ(Shot(&button).pixel(0, 0), qRgb(255, 0, 255)) << "opaque corners show the key";
}

}  // namespace
}  // namespace kestrum
