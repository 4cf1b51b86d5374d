// The link label, the hover image and the flat panel.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "app/ui/shell_service.h"
#include "skin/ui/flat_panel.h"
#include "skin/ui/shift_image.h"
#include "skin/ui/url_label.h"
#include "widget_test_support.h"

namespace kestrum {
namespace {

using test::Shot;
using test::TestWindow;

class RecordingShell : public ShellService {
public:
    RecordingShell() : previous_(ReplaceShell(this)) {}
    ~RecordingShell() override { ReplaceShell(previous_); }
    void Open(const QString& target) override { opened.append(target); }
    QStringList opened;

private:
    ShellService* previous_;
};

TEST(LinkLabel, OpensItsAddressThroughTheShellAndChangesColourUnderThePointer) {
    RecordingShell shell;
    TestWindow window;
    TlumURLLabel label(&window);
    label.SetCaption("Check for updates...");
    label.SetURL("https://updates.example.org/check?v=1.8");
    label.SetFontHoverColor(0x0000FF);
    label.SetFontLinkColor(0xFFFFFF);
    label.move(10, 10);
    window.Activate();
    QSignalSpy clicks(&label, &TlumURLLabel::OnClick);

    QTest::mouseClick(&label, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(shell.opened, QStringList{"https://updates.example.org/check?v=1.8"});
    EXPECT_EQ(clicks.count(), 1);
    label.SetURL("   ");
    QTest::mouseClick(&label, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(shell.opened.size(), 1) << "a blank address opens nothing";
    EXPECT_EQ(clicks.count(), 2) << "but still clicks";

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&label, &leave);
    EXPECT_EQ(label.FontColor(), 0xFFFFFFu);
    QEnterEvent enter(QPointF(5, 5), QPointF(15, 15), QPointF(215, 215));
    QApplication::sendEvent(&label, &enter);
    EXPECT_EQ(label.FontColor(), 0x0000FFu);
    label.SetFontLinkColor(0x00FF00);
    EXPECT_EQ(label.FontColor(), 0x00FF00u) << "a new link colour applies at once";
}

TEST(HoverImage, SwapsPicturesUnlessDisabledAndShiftsWhilePressed) {
    TestWindow window;
    TKadShiftImage image(&window);
    QImage normal(32, 32, QImage::Format_RGB32), hover(32, 32, QImage::Format_RGB32);
    normal.fill(Qt::blue);
    hover.fill(Qt::yellow);
    image.SetAutoSize(true);
    image.SetPicture(normal);
    image.SetNoFocusedPicture(normal);
    image.SetFocusedPicture(hover);
    image.move(11, 239 - 200);
    window.Activate();
    EXPECT_EQ(image.size(), QSize(32, 32));

    QEnterEvent enter(QPointF(5, 5), QPointF(16, 44), QPointF(216, 244));
    QApplication::sendEvent(&image, &enter);
    EXPECT_EQ(Shot(&image).pixel(16, 16), qRgb(255, 255, 0));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&image, &leave);
    EXPECT_EQ(Shot(&image).pixel(16, 16), qRgb(0, 0, 255));
    image.setEnabled(false);
    QApplication::sendEvent(&image, &enter);
    EXPECT_EQ(image.Picture(), normal) << "a disabled image keeps its picture";
    image.setEnabled(true);

    QSignalSpy clicks(&image, &TKadShiftImage::OnClick);
    const QPoint start = image.pos();
    QTest::mousePress(&image, Qt::LeftButton, {}, {10, 10});
    EXPECT_EQ(image.pos(), start + QPoint(2, 2));
    QTest::mouseRelease(&image, Qt::LeftButton, {}, {8, 8});
    EXPECT_EQ(image.pos(), start);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(FlatPanel, FramesInTwoColoursAndEngravesADisabledCaption) {
    TestWindow window;
    TFlatPanel panel(&window);
    panel.resize(371, 21);
    panel.SetColorHighLight(0x0000FF);  // red
    panel.SetColorShadow(0xFF0000);     // blue
    QImage image = Shot(&panel);
    const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255);
    EXPECT_EQ(image.pixel(0, 0), red);
    EXPECT_EQ(image.pixel(369, 0), red);
    EXPECT_EQ(image.pixel(0, 19), red);
    EXPECT_EQ(image.pixel(370, 0), blue);
    EXPECT_EQ(image.pixel(0, 20), blue);
    EXPECT_EQ(image.pixel(370, 20), blue);
    const QRgb inside = image.pixel(185, 10);
    EXPECT_EQ(inside, window.palette().color(QPalette::Window).rgb()) << "empty: only the frame";

    panel.SetCaption("MP3 - MPEG Layer-3 Audio");
    const QImage captioned = Shot(&panel);
    EXPECT_NE(captioned, image);
    panel.setEnabled(false);
    const QImage disabled = Shot(&panel);
    EXPECT_NE(disabled, captioned);
    bool light = false;
    for (int x = 100; x < 270; ++x) {
        for (int y = 2; y < 19; ++y) {
            light = light || disabled.pixel(x, y) == QColor(Qt::white).rgb();
        }
    }
    EXPECT_TRUE(light) << "the highlight copy of the caption";
}

}  // namespace
}  // namespace kestrum
