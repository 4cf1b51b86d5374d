// The windows offscreen, with the program's own look, and the encoder
// probe's answers kept in a cache folder of the tests' own.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/ui/program_look.h"
#include "support/scoped_environment.h"
#include "support/temp_folder.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const kestrum::test::TempFolder cache;
    const kestrum::test::ScopedEnvironment cacheHome("XDG_CACHE_HOME", cache.Path());
    QApplication application(argc, argv);
    kestrum::ApplyProgramLook();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
