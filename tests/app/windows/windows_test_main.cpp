// The windows offscreen, with the program's own look.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/ui/program_look.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    kestrum::ApplyProgramLook();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
