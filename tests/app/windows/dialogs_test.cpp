// The manual conversion, encoder location and about windows, opened from
// the main window, and the top-level error handler of the handlers.
#include <QAction>
#include <QLineEdit>
#include <QTest>

#include "app/core/error.h"
#include "app/core/string_table.h"
#include "app/ui/about_window.h"
#include "app/ui/form_builder.h"
#include "app/ui/label.h"
#include "app/ui/main_window.h"
#include "app/ui/modal_result.h"
#include "app/ui/qt_text.h"
#include "app/ui/use_another_ffmpeg.h"
#include "platform/file_system.h"
#include "profiles/ui/manual_convert_dialog.h"
#include "skin/ui/button.h"
#include "skin/ui/check_box.h"
#include "skin/ui/edit.h"
#include "windows_test_support.h"

namespace kestrum {
namespace {

using test::WhenModalOpens;
using test::WindowsTest;
using test::WriteFile;

class DialogsTest : public WindowsTest {};

const QString kInitialPreview =
    "ffmpeg -i %1 -s 320x240 -r 14 -b 50k -ar 22050 -ab 56k -ac 1 %1.mov";

TEST_F(DialogsTest, ManualConversionFillsItsEditsOnlyFromAStoredManualCommand) {
    const struct {
        QString profileBox;
        QString commandLine;
        QString extension;
    } cases[] = {
        {"", "-s 320x240 -r 14 -b 50k -ar 22050 -ab 56k -ac 1", "mov"},
        {"NTSC DVD Fullscreen", "-s 320x240 -r 14 -b 50k -ar 22050 -ab 56k -ac 1", "mov"},
        {"ffmpeg -i %1 -vn -ab 128k %1.mp3", "-vn -ab 128k", "mp3"},
        {"FFMPEG -i %1 -an %1.m4v", "-an", "m4v"},
        {"ffmpeg -i %1 -vn", "-s 320x240 -r 14 -b 50k -ar 22050 -ab 56k -ac 1", "mov"},
        {"ffmpeg -i %1 -r 5 %1..avi", "-r 5", ".avi"},
    };
    for (const auto& c : cases) {
        TfrmManualConvert dialog(nullptr, c.profileBox);
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), "Manual conversion");
        EXPECT_EQ(dialog.size(), QSize(540, 363));
        EXPECT_EQ(dialog.eCommandLine->text(), c.commandLine) << c.profileBox.toStdString();
        EXPECT_EQ(dialog.eOutputFile->text(), c.extension) << c.profileBox.toStdString();
        EXPECT_EQ(dialog.Edit1->text(), "ffmpeg -i %1 " + c.commandLine + " %1." + c.extension);
        EXPECT_TRUE(dialog.Edit1->isReadOnly());
    }
}

TEST_F(DialogsTest, ManualConversionPreviewFollowsEveryEdit) {
    TfrmManualConvert dialog(nullptr, "");
    dialog.show();
    EXPECT_EQ(dialog.Edit1->text(), kInitialPreview);
    dialog.eOutputFile->setText(".mkv");
    EXPECT_EQ(dialog.Edit1->text(),
              "ffmpeg -i %1 -s 320x240 -r 14 -b 50k -ar 22050 -ab 56k -ac 1 %1..mkv");
    dialog.eCommandLine->clear();
    QTest::keyClicks(dialog.eCommandLine, " -vn ");
    EXPECT_EQ(dialog.Edit1->text(), "ffmpeg -i %1  -vn  %1..mkv") << "nothing is trimmed";
    const QStringList help = [&] {
        QStringList lines;
        for (int i = 3; i <= 10; ++i) {
            lines.append(dialog.findChild<TLabel*>(QString("Label%1").arg(i))->Caption());
        }
        return lines;
    }();
    EXPECT_EQ(help.front(), "-i = Input file (%1 it's the file selected)");
    EXPECT_EQ(help.back(), "%1.xxx = Output file (.xxx the format to convert!)");
}

TEST_F(DialogsTest, ManualConversionOkNeedsBothEdits) {
    const struct {
        QString commandLine;
        QString extension;
        bool closes;
    } cases[] = {
        {"-vn", "wav", true},
        {"   ", "wav", true},
        {"", "wav", false},
        {"-vn", "", false},
    };
    for (const auto& c : cases) {
        dialogs_.messages.clear();
        TfrmManualConvert dialog(nullptr, "");
        int result = -1;
        WhenModalOpens([&](QDialog&) {
            dialog.eCommandLine->setText(c.commandLine);
            dialog.eOutputFile->setText(c.extension);
            QTest::mouseClick(dialog.bOK, Qt::LeftButton);
            if (dialog.isVisible()) {
                EXPECT_EQ(dialog.eCommandLine->text(), c.commandLine) << "input kept";
                dialog.reject();
            }
        });
        result = dialog.exec();
        EXPECT_EQ(result, c.closes ? mrOk : mrNone) << c.commandLine.toStdString();
        if (c.closes) {
            EXPECT_TRUE(dialogs_.messages.empty());
        } else {
            ASSERT_EQ(dialogs_.messages.size(), 1u);
            EXPECT_EQ(dialogs_.messages[0].text, "Please check the insertion of parameters!");
            EXPECT_EQ(dialogs_.messages[0].icon, MessageIcon::Information);
            EXPECT_EQ(dialogs_.messages[0].buttons, MessageButtons::Ok);
        }
    }
}

TEST_F(DialogsTest, TheEncoderDialogClosesOnOkOnlyForAFileOrWhenNotUsed) {
    const std::string encoder = work_ / "my ffmpeg";
    WriteFile(encoder, "#!/bin/sh\n");
    const struct {
        bool dontUse;
        std::string path;
        bool closes;
    } cases[] = {
        {true, "", true},
        {true, "/no/such/ffmpeg", true},
        {false, encoder, true},
        {false, "", false},
        {false, work_.Path(), false},  // a folder is no file
        {false, "/no/such/ffmpeg", false},
    };
    for (const auto& c : cases) {
        dialogs_.messages.clear();
        TfrmUseFFmpeg dialog(nullptr);
        dialog.Edit1->setText(ToQString(c.path));
        dialog.cbNotUseAnother->SetChecked(c.dontUse);
        WhenModalOpens([&](QDialog&) {
            QTest::mouseClick(dialog.bOK, Qt::LeftButton);
            if (dialog.isVisible()) {
                dialog.reject();
            }
        });
        EXPECT_EQ(dialog.exec(), c.closes ? mrOk : mrNone) << c.path;
        if (!c.closes) {
            ASSERT_EQ(dialogs_.messages.size(), 1u);
            EXPECT_EQ(dialogs_.messages[0].text, "This FFmpeg.exe file does not exist.");
            EXPECT_EQ(dialogs_.messages[0].icon, MessageIcon::Information);
        }
    }
}

TEST_F(DialogsTest, TheEncoderDialogsDefaultAndBrowseFillThePathBox) {
    TfrmUseFFmpeg dialog(nullptr);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Use another FFmpeg");
    EXPECT_EQ(dialog.size(), QSize(368, 139));
    dialog.cbNotUseAnother->SetChecked(false);
    QTest::mouseClick(dialog.bDefault, Qt::LeftButton);
    EXPECT_EQ(dialog.Edit1->text(), ToQString(platform::ExecutableFolder() + test::kEncoderFile));
    EXPECT_FALSE(dialog.cbNotUseAnother->Checked()) << "keeps its state";

    dialogs_.filesAnswer = {"/opt/ffmpeg 7/ffmpeg"};
    QTest::mouseClick(dialog.bBrowser, Qt::LeftButton);
    ASSERT_EQ(dialogs_.files.size(), 1u);
    EXPECT_EQ(dialogs_.files[0].filter, QString("%1 (%1)").arg(test::kEncoderFile));
    EXPECT_EQ(dialogs_.files[0].title, "");
    EXPECT_EQ(dialogs_.files[0].initialFolder, "");
    EXPECT_FALSE(dialogs_.files[0].multiple);
    EXPECT_EQ(dialog.Edit1->text(), "/opt/ffmpeg 7/ffmpeg");
    dialogs_.filesAnswer.clear();
    QTest::mouseClick(dialog.bBrowser, Qt::LeftButton);
    EXPECT_EQ(dialog.Edit1->text(), "/opt/ffmpeg 7/ffmpeg") << "cancel changes nothing";

    QStringList order;
    QWidget* control = dialog.bCancel;
    for (int i = 0; i < 6; ++i, control = control->nextInFocusChain()) {
        while (control->focusPolicy() == Qt::NoFocus) {
            control = control->nextInFocusChain();
        }
        order.append(control->objectName());
    }
    EXPECT_EQ(order,
              (QStringList{"bCancel", "bDefault", "bOK", "Edit1", "bBrowser", "cbNotUseAnother"}));
}

TEST_F(DialogsTest, TheEncoderValuesChangeOnlyWhenTheDialogEndsWithOk) {
    const std::string encoder = work_ / "ffmpeg";
    WriteFile(encoder, "");
    TfrmMain window;
    window.show();
    ASSERT_TRUE(window.NotUseAnotherFFmpeg);

    WhenModalOpens([&](QDialog& dialog) {
        auto& use = dynamic_cast<TfrmUseFFmpeg&>(dialog);
        EXPECT_EQ(use.Edit1->text(), "");
        EXPECT_TRUE(use.cbNotUseAnother->Checked());
        use.Edit1->setText(ToQString(encoder));
        use.cbNotUseAnother->SetChecked(false);
        QTest::mouseClick(use.bCancel, Qt::LeftButton);
    });
    window.UseanotherFFMpeg1Click();
    EXPECT_TRUE(window.NotUseAnotherFFmpeg);
    EXPECT_EQ(window.AnotherFFmpeg, "");
    EXPECT_FALSE(window.UseanotherFFMpeg1->isChecked());

    WhenModalOpens([&](QDialog& dialog) {
        auto& use = dynamic_cast<TfrmUseFFmpeg&>(dialog);
        use.Edit1->setText(ToQString(encoder));
        use.cbNotUseAnother->SetChecked(false);
        QTest::mouseClick(use.bOK, Qt::LeftButton);
    });
    window.UseanotherFFMpeg1Click();
    EXPECT_FALSE(window.NotUseAnotherFFmpeg);
    EXPECT_EQ(window.AnotherFFmpeg, encoder);
    EXPECT_TRUE(window.UseanotherFFMpeg1->isChecked());

    WhenModalOpens([&](QDialog& dialog) {
        auto& use = dynamic_cast<TfrmUseFFmpeg&>(dialog);
        EXPECT_EQ(use.Edit1->text(), ToQString(encoder));
        EXPECT_TRUE(QTest::qWaitForWindowActive(&use));
        EXPECT_EQ(QApplication::focusWidget(), use.Edit1) << "a filled path box has the focus";
        use.cbNotUseAnother->SetChecked(true);
        use.Edit1->setText("wrong");
        QTest::mouseClick(use.bOK, Qt::LeftButton);
    });
    window.UseanotherFFMpeg1Click();
    EXPECT_TRUE(window.NotUseAnotherFFmpeg);
    EXPECT_EQ(window.AnotherFFmpeg, "wrong") << "kept, though not used";
    EXPECT_FALSE(window.UseanotherFFMpeg1->isChecked());
}

TEST_F(DialogsTest, TheAboutWindowOpensAgainAndAgainWithTheTitle) {
    TfrmMain window;
    window.show();
    for (const bool byOk : {true, false, true}) {
        WhenModalOpens([&](QDialog& dialog) {
            auto& about = dynamic_cast<TfrmAbout&>(dialog);
            EXPECT_EQ(about.windowTitle(), "About Zude Ridaz Avovozozi");
            EXPECT_EQ(about.size(), QSize(360, 249));
            EXPECT_EQ(about.Label1->Caption(), "Kestrum Zude Ridaz Avovozozi");
            EXPECT_EQ(about.findChild<TLabel*>("Label2")->Caption(),
                      "Version: 1.8   Build 20150107");
            QTest::mouseClick(about.lbEAddress, Qt::LeftButton);
            if (byOk) {
                QTest::mouseClick(about.bOK, Qt::LeftButton);
            } else {
                about.close();
            }
        });
        window.About1Click();
    }
    EXPECT_EQ(shell_.opened, QStringList(3, ToQString(texts::kHomePageUrl)));
    EXPECT_TRUE(window.findChildren<TfrmAbout*>().isEmpty()) << "each one is gone";
}

TEST_F(DialogsTest, TheWebLinksOpenTheirAddressesThroughTheShell) {
    TfrmMain window;
    window.show();
    QTest::mouseClick(window.findChild<QWidget*>("Image1"), Qt::LeftButton);
    window.Homepage1->trigger();
    window.Donate1->trigger();
    QTest::mouseClick(window.findChild<QWidget*>("lTitle"), Qt::LeftButton);
    EXPECT_EQ(shell_.opened,
              (QStringList{ToQString(texts::kHomePageUrl), ToQString(texts::kHomePageUrl),
                           ToQString(texts::kDonateUrl), ToQString(texts::kVendorSiteUrl)}));
}

TEST_F(DialogsTest, ShowFilesOpensAnExistingFolderOrSaysItIsMissing) {
    StoreSettings("[Options]\nOutputDirectory=" + work_.Path() + "\n");
    TfrmMain window;
    window.show();
    const std::string missing = work_ / "missing";
    const struct {
        bool sameInput;
        std::string sameInputFolder;
        std::string box;
        std::string opened;  // empty: the missing-folder message
    } cases[] = {
        {false, "", work_.Path(), work_.Path()},
        {true, "", work_.Path(), work_.Path()},
        {true, home_.Path(), work_.Path(), home_.Path()},
        {false, home_.Path(), missing, ""},
    };
    for (const auto& c : cases) {
        shell_.opened.clear();
        dialogs_.messages.clear();
        window.cbSameInput->SetChecked(c.sameInput);
        window.SameInputFolder = c.sameInputFolder;
        window.eOutputFolder->setText(ToQString(c.box));
        QTest::mouseClick(window.bShowFiles, Qt::LeftButton);
        if (!c.opened.empty()) {
            EXPECT_EQ(shell_.opened, QStringList{ToQString(c.opened)});
            EXPECT_EQ(window.OutputDirectory, c.opened);
            EXPECT_TRUE(dialogs_.messages.empty());
        } else {
            EXPECT_TRUE(shell_.opened.isEmpty());
            EXPECT_EQ(window.OutputDirectory, missing) << "set although missing";
            ASSERT_EQ(dialogs_.messages.size(), 1u);
            EXPECT_EQ(dialogs_.messages[0].text,
                      ToQString(missing + ", the output directory does not exist."));
            EXPECT_EQ(dialogs_.messages[0].icon, MessageIcon::Error);
        }
    }
}

TEST_F(DialogsTest, BrowserOffersTheBoxFolderAndCancelChangesNothing) {
    StoreSettings("[Options]\nOutputDirectory=" + work_.Path() + "\n");
    TfrmMain window;
    window.show();
    const QString chosen = ToQString(home_.Path() + "chosen");
    const struct {
        std::string box;
        std::optional<QString> answer;
        QString initial;
        QString boxAfter;
    } cases[] = {
        {work_.Path(), std::nullopt, ToQString(work_.Path()), ToQString(work_.Path())},
        {work_ / "missing", std::nullopt, "", ToQString(work_ / "missing")},
        {"", chosen, "", chosen},
    };
    for (const auto& c : cases) {
        dialogs_.folders.clear();
        dialogs_.folderAnswer = c.answer;
        window.OutputDirectory = "before";
        window.eOutputFolder->setText(ToQString(c.box));
        QTest::mouseClick(window.bBrowser, Qt::LeftButton);
        ASSERT_EQ(dialogs_.folders.size(), 1u);
        EXPECT_EQ(dialogs_.folders[0].caption, "Please select the directory to output");
        EXPECT_EQ(dialogs_.folders[0].initialFolder, c.initial);
        EXPECT_EQ(window.eOutputFolder->text(), c.boxAfter);
        EXPECT_EQ(window.OutputDirectory, c.answer ? ToStdString(*c.answer) : "before");
    }
    // "Same as the input file" disables the box only; Browser... still works.
    window.cbSameInput->Click();
    EXPECT_FALSE(window.eOutputFolder->isEnabled());
    EXPECT_TRUE(window.bBrowser->isEnabled());
    window.cbSameInput->Click();
    EXPECT_TRUE(window.eOutputFolder->isEnabled());
}

TEST_F(DialogsTest, AnErrorEscapingAHandlerIsShownWithTheErrorIcon) {
    QWidget form;
    auto* button = new TlumButton(&form);
    button->setObjectName("bFail");
    const std::string messages[] = {"Error while creating convert process!2", "Done."};
    for (const std::string& message : messages) {
        ConnectEvent(form, "bFail", "OnClick()", [message] { throw Error(message); });
    }
    button->Click();
    ASSERT_EQ(dialogs_.messages.size(), 2u);
    EXPECT_EQ(dialogs_.messages[0].text, "Error while creating convert process!2.");
    EXPECT_EQ(dialogs_.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(dialogs_.messages[1].text, "Done.");
    EXPECT_THROW(ConnectEvent(form, "bFail", "NoSuchSignal()", [] {}), std::logic_error);
    EXPECT_THROW(ConnectEvent(form, "bMissing", "OnClick()", [] {}), std::logic_error);
}

}  // namespace
}  // namespace kestrum
