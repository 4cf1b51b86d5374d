// The program's own message boxes and choosers (Qt's), driven as a user would.
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "app/ui/dialog_service.h"
#include "windows_test_support.h"

namespace kestrum {
namespace {

using test::TempFolder;
using test::WhenModalOpens;

TEST(QtDialogService, MessageBoxesCarryTheTitleTheIconAndTheButtons) {
    const struct {
        MessageIcon icon;
        MessageButtons buttons;
        QMessageBox::StandardButton press;
        QMessageBox::Icon shownIcon;
        MessageAnswer answer;
    } cases[] = {
        {MessageIcon::Information, MessageButtons::Ok, QMessageBox::Ok, QMessageBox::Information,
         MessageAnswer::Ok},
        {MessageIcon::Error, MessageButtons::Ok, QMessageBox::Ok, QMessageBox::Critical,
         MessageAnswer::Ok},
        {MessageIcon::Information, MessageButtons::YesNo, QMessageBox::Yes,
         QMessageBox::Information, MessageAnswer::Yes},
        {MessageIcon::Information, MessageButtons::YesNo, QMessageBox::No, QMessageBox::Information,
         MessageAnswer::No},
    };
    for (const auto& c : cases) {
        WhenModalOpens([&](QDialog& dialog) {
            auto& box = dynamic_cast<QMessageBox&>(dialog);
            EXPECT_EQ(box.windowTitle(), "Kestrum Zude Ridaz Avovozozi");
            EXPECT_EQ(box.text(), "D:\\Out, the output directory does not exist.");
            EXPECT_EQ(box.icon(), c.shownIcon);
            EXPECT_EQ(box.standardButtons(), c.buttons == MessageButtons::YesNo
                                                 ? QMessageBox::Yes | QMessageBox::No
                                                 : QMessageBox::StandardButtons(QMessageBox::Ok));
            box.button(c.press)->click();
        });
        EXPECT_EQ(Dialogs().Message(nullptr, "D:\\Out, the output directory does not exist.",
                                    c.icon, c.buttons),
                  c.answer);
    }
}

TEST(QtDialogService, TheFolderChooserIsCentredOnAnExistingFolderAndLeftAloneOtherwise) {
    TempFolder parent;
    const QString folder = QString::fromStdString(parent / "Out put");
    QDir().mkpath(folder);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const struct {
        QString initial;
        bool centredAndSelected;
    } cases[] = {{folder, true}, {folder + "/missing", false}, {"", false}};
    for (const auto& c : cases) {
        WhenModalOpens([&](QDialog& dialog) {
            auto& chooser = dynamic_cast<QFileDialog&>(dialog);
            EXPECT_EQ(chooser.windowTitle(), "Please select the directory to output");
            EXPECT_EQ(chooser.fileMode(), QFileDialog::Directory);
            const QItemSelectionModel* selection =
                chooser.findChild<QListView*>("listView")->selectionModel();
            // The chooser lists the folder in the background; give it time.
            (void)QTest::qWaitFor([&] { return selection->hasSelection(); },
                                  c.centredAndSelected ? 5000 : 200);
            const QModelIndexList selected = selection->selectedRows();
            if (c.centredAndSelected) {
                EXPECT_EQ(chooser.pos(), QPoint((screen.width() - chooser.width()) / 2,
                                                (screen.height() - chooser.height()) / 2));
                ASSERT_EQ(selected.size(), 1);
                EXPECT_EQ(selected[0].data().toString(), "Out put");
            } else {
                EXPECT_TRUE(selected.isEmpty()) << c.initial.toStdString();
            }
            chooser.reject();
        });
        EXPECT_EQ(
            Dialogs().ChooseFolder(nullptr, "Please select the directory to output", c.initial),
            std::nullopt);
    }
    WhenModalOpens([](QDialog& dialog) { dialog.accept(); });
    EXPECT_EQ(Dialogs().ChooseFolder(nullptr, "Please select the directory to output", folder),
              folder);
}

TEST(QtDialogService, TheFileChooserTakesTheRequest) {
    TempFolder folder;
    test::WriteFile(folder / "a clip.avi", "");
    test::WriteFile(folder / "b.avi", "");
    WhenModalOpens([&](QDialog& dialog) {
        auto& chooser = dynamic_cast<QFileDialog&>(dialog);
        EXPECT_EQ(chooser.windowTitle(), "Select one or more video files");
        EXPECT_EQ(chooser.fileMode(), QFileDialog::ExistingFiles);
        EXPECT_EQ(chooser.nameFilters(), QStringList{"*"});
        EXPECT_EQ(chooser.directory().absolutePath(),
                  QDir(QString::fromStdString(folder.Path())).absolutePath());
        EXPECT_TRUE(chooser.isSizeGripEnabled());
        chooser.findChild<QLineEdit*>("fileNameEdit")->setText("\"a clip.avi\" \"b.avi\"");
        dialog.accept();
    });
    const QStringList chosen = Dialogs().ChooseFiles(
        nullptr,
        {"Select one or more video files", "*", QString::fromStdString(folder.Path()), true});
    EXPECT_EQ(chosen, (QStringList{QString::fromStdString(folder / "a clip.avi"),
                                   QString::fromStdString(folder / "b.avi")}));
}

}  // namespace
}  // namespace kestrum
