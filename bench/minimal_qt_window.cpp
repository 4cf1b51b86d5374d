// The yardstick of the window start-up benchmark: the least a Qt Widgets
// program does to show a window, a label and a button, with the same Qt.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel("A minimal Qt Widgets window"));
    layout->addWidget(new QPushButton("Close"));
    window.show();
    return QApplication::exec();
}
