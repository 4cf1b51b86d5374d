#include "widget_test_support.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

#include "skin/ui/skin_colour.h"

namespace kestrum::test {

TestWindow::TestWindow() {
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(kClBtnFace));
    setPalette(colours);
    // Away from the pointer, which the offscreen screen keeps at its corner.
    setGeometry(200, 200, 420, 320);
}

void TestWindow::Activate() {
    show();
    activateWindow();
    QApplication::setActiveWindow(this);
    QApplication::processEvents();
}

QImage Shot(QWidget* control) {
    QWidget* parent = control->parentWidget();
    if (parent == nullptr) {
        return control->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    return parent->grab(control->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
}

QImage Strip(int width, int height, const std::vector<QRgb>& colours) {
    QImage strip(width * static_cast<int>(colours.size()), height, QImage::Format_RGB32);
    QPainter painter(&strip);
    for (std::size_t i = 0; i < colours.size(); ++i) {
        painter.fillRect(static_cast<int>(i) * width, 0, width, height, QColor(colours[i]));
    }
    return strip;
}

}  // namespace kestrum::test
