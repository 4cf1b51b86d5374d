#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QSignalSpy>
#include <cstdio>
#include <filesystem>

#include "platform/file_system.h"
#include "skin/core/skin_file_sk2_build.h"
#include "skin/core/skin_file_temp.h"
#include "skin/ui/file_theme.h"
#include "skin_test_files.h"
#include "support/temp_folder.h"

namespace kestrum {
namespace {

using skinfile::BitmapRecord;
using skinfile::BooleanRecord;
using skinfile::IntegerRecord;

std::string Bmp(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes.toStdString();
}

const std::vector<skinfile::Sk2Record> kSkin = {
    BitmapRecord("SKIN2_BUTTON", Bmp(60, 21, qRgb(200, 20, 20))),
    BitmapRecord("SKIN2_PROGRESSBAR2", "BM but no picture"),
    IntegerRecord("SKIN2_BUTTONFONTCOLOR", 0x00F2F2F2),
    BooleanRecord("SKIN2_BUTTONTRANS", true),
};

class FileTheme : public ::testing::Test {
protected:
    QString Write(const std::string& bytes, const std::string& name = "theme.skin") {
        test::WriteFile(files_ / name, bytes);
        return QString::fromStdString(files_ / name);
    }
    test::TempFolder files_;
    TlumFileTheme theme_;
    QSignalSpy changed_{&theme_, &TlumThemeSource::themeChanged};
};

TEST_F(FileTheme, LoadsASkinAndTellsTheControls) {
    const QString path = Write(test::SkinFileBytes(kSkin));
    theme_.SetThemeFile(path);
    EXPECT_TRUE(theme_.Ready());
    EXPECT_EQ(theme_.ThemeFile(), path);
    EXPECT_EQ(changed_.count(), 1);

    const QImage strip = theme_.Bitmap(15);
    EXPECT_EQ(strip.size(), QSize(60, 21));
    EXPECT_EQ(strip.pixel(30, 10), qRgb(200, 20, 20));
    EXPECT_EQ(theme_.Colour(24), 0x00F2F2F2);
    EXPECT_TRUE(theme_.Boolean(5));
    // Missing entries, and a bitmap that does not decode, count as missing.
    EXPECT_TRUE(theme_.Bitmap(16).isNull());
    EXPECT_TRUE(theme_.Bitmap(20).isNull());
    EXPECT_TRUE(theme_.Bitmap(-1).isNull());
    EXPECT_TRUE(theme_.Bitmap(34).isNull());
    EXPECT_EQ(theme_.Colour(21), -1);
    EXPECT_FALSE(theme_.Boolean(6));
}

TEST_F(FileTheme, AFileThatDoesNotExistChangesNothing) {
    const QString path = Write(test::SkinFileBytes(kSkin));
    theme_.SetThemeFile(path);
    theme_.SetThemeFile(QString::fromStdString(files_ / "missing.skin"));
    theme_.SetThemeFile("");
    EXPECT_EQ(theme_.ThemeFile(), path);
    EXPECT_TRUE(theme_.Ready());
    EXPECT_EQ(changed_.count(), 1);
}

// Makes a folder the current one while it lives.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::string& folder) : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~CurrentFolder() { std::filesystem::current_path(previous_); }

private:
    std::filesystem::path previous_;
};

TEST_F(FileTheme, ANameAloneIsFoundInTheProgramsFolder) {
    const CurrentFolder elsewhere(files_.Path());
    const std::string name = "kestrum-test-" + skinfile::NewGuidText() + ".skin";
    const std::string inProgramFolder = platform::ExecutableFolder() + name;
    test::WriteFile(inProgramFolder, test::SkinFileBytes(kSkin));
    theme_.SetThemeFile(QString::fromStdString(name));
    const bool ready = theme_.Ready();
    const QString found = theme_.ThemeFile();
    std::remove(inProgramFolder.c_str());

    EXPECT_TRUE(ready);
    EXPECT_EQ(found.toStdString(), inProgramFolder);
    // So is the file name of a path that does not exist.
    TlumFileTheme other;
    test::WriteFile(inProgramFolder, test::SkinFileBytes(kSkin));
    other.SetThemeFile(QString::fromStdString("/no/such/folder/" + name));
    std::remove(inProgramFolder.c_str());
    EXPECT_TRUE(other.Ready());

    // A file in the current folder is found first, and kept by its full path.
    test::WriteFile(files_ / name, test::SkinFileBytes(kSkin));
    other.SetThemeFile(QString::fromStdString(name));
    EXPECT_EQ(other.ThemeFile().toStdString(), files_ / name);
}

TEST_F(FileTheme, PasswordsAndTheNotReadyState) {
    theme_.SetThemeFile(Write(test::SkinFileBytes(kSkin, "right")));
    EXPECT_FALSE(theme_.Ready());
    EXPECT_EQ(theme_.LastOutcome(), skinfile::SkinReadOutcome::ArchiveFailed);
    theme_.SetPassword("wrong");
    EXPECT_FALSE(theme_.Ready());
    EXPECT_EQ(changed_.count(), 0);
    // Nothing loaded: neutral answers.
    EXPECT_TRUE(theme_.Bitmap(15).isNull());
    EXPECT_EQ(theme_.Colour(24), 0);
    EXPECT_FALSE(theme_.Boolean(5));

    theme_.SetPassword("right");
    EXPECT_TRUE(theme_.Ready());
    EXPECT_EQ(changed_.count(), 1);
    theme_.SetPassword("");  // an empty password does not load again
    EXPECT_TRUE(theme_.Ready());
    EXPECT_EQ(changed_.count(), 1);

    // Losing the skin is announced too, so that controls fall back.
    theme_.SetPassword("wrong");
    EXPECT_FALSE(theme_.Ready());
    EXPECT_EQ(changed_.count(), 2);
    EXPECT_TRUE(theme_.Bitmap(15).isNull());
}

TEST_F(FileTheme, TheSampleSkinHasWhatTheControlsAskFor) {
    theme_.SetThemeFile(KESTRUM_SAMPLE_SKIN);
    ASSERT_TRUE(theme_.Ready());
    const QImage button = theme_.Bitmap(15);
    const QImage checkBox = theme_.Bitmap(16);
    EXPECT_FALSE(button.isNull());
    EXPECT_EQ(button.width() % 3, 0);
    EXPECT_EQ(checkBox.width(), 6 * checkBox.height());
    for (const int n : {19, 20, 21, 22}) {
        EXPECT_EQ(theme_.Bitmap(n).height(), theme_.Bitmap(19).height()) << n;
    }
    EXPECT_FALSE(theme_.Bitmap(19).isNull());
    for (const int n : {2, 9, 10, 11, 12, 13, 14, 15, 21, 22, 24}) {
        EXPECT_NE(theme_.Colour(n), -1) << n;
    }
    EXPECT_TRUE(theme_.Boolean(5));
    // Rounded corners: the transparent key outside them.
    EXPECT_EQ(button.pixel(0, 0), qRgb(255, 0, 255));
}

}  // namespace
}  // namespace kestrum

int main(int argc, char* argv[]) {
    // Test discovery runs this program without the test environment; no test
    // here needs a real display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
