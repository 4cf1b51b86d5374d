#include "app/ui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QTimer>

#include "app/core/settings_store.h"
#include "app/core/string_table.h"
#include "app/ui/form_builder.h"
#include "app/ui/label.h"
#include "app/ui/main_window_form.h"
#include "app/ui/picture.h"
#include "app/ui/program_look.h"
#include "app/ui/qt_text.h"
#include "app/ui/sunken_line.h"
#include "app/ui/text_bytes.h"
#include "convert/ui/progress_window.h"
#include "platform/file_system.h"
#include "profiles/ui/profile_menu.h"
#include "skin/ui/arrow_button.h"
#include "skin/ui/button.h"
#include "skin/ui/check_box.h"
#include "skin/ui/edit.h"
#include "skin/ui/flat_panel.h"
#include "skin/ui/popup_menu.h"
#include "skin/ui/shift_image.h"
#include "skin/ui/url_label.h"

namespace kestrum {

TfrmMain::TfrmMain(QWidget* parent) : TForm(parent) {
    BuildForm(*this, MainWindowDeclaration());
    FillProfileMenu(*Find<TlumPopupMenu>(*this, "pmType"));
    FindControls();
    BindEvents(*this, MainWindowEvents());
    OpenDialog1.filter = "*";
    OpenDialog1.multiple = true;
    FormCreate();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::FindControls() {
    imgTitle = Find<TImage>(*this, "imgTitle");
    Image1 = Find<TImage>(*this, "Image1");
    lTitle = Find<TLabel>(*this, "lTitle");
    lTitleHint = Find<TLabel>(*this, "lTitleHint");
    iUpdate = Find<TImage>(*this, "iUpdate");
    lUpdate = Find<TlumURLLabel>(*this, "lUpdate");
    lVideo = Find<TLabel>(*this, "lVideo");
    lUrl = Find<TLabel>(*this, "lUrl");
    Panel2 = Find<TSunkenLine>(*this, "Panel2");
    lConvertTo = Find<TLabel>(*this, "lConvertTo");
    lExtName = Find<TLabel>(*this, "lExtName");
    fpType = Find<TFlatPanel>(*this, "fpType");
    lumArrowButton3 = Find<TlumArrowButton>(*this, "lumArrowButton3");
    lOutputFolder = Find<TLabel>(*this, "lOutputFolder");
    eOutputFolder = Find<TlumEdit>(*this, "eOutputFolder");
    bBrowser = Find<TlumButton>(*this, "bBrowser");
    cbSameInput = Find<TlumCheckBox>(*this, "cbSameInput");
    pLine = Find<TSunkenLine>(*this, "pLine");
    KadShiftImage1 = Find<TKadShiftImage>(*this, "KadShiftImage1");
    lbEAddress = Find<TLabel>(*this, "lbEAddress");
    bConvert = Find<TlumButton>(*this, "bConvert");
    bShowFiles = Find<TlumButton>(*this, "bShowFiles");
    bExit = Find<TlumButton>(*this, "bExit");
    pmType = Find<TlumPopupMenu>(*this, "pmType");
    miManualConvert = Find<QAction>(*this, "miManualConvert");
    lumPopupMenu1 = Find<TlumPopupMenu>(*this, "lumPopupMenu1");
    Homepage1 = Find<QAction>(*this, "Homepage1");
    UseanotherFFMpeg1 = Find<QAction>(*this, "UseanotherFFMpeg1");
    Donate1 = Find<QAction>(*this, "Donate1");
    About1 = Find<QAction>(*this, "About1");
    aTotal = Find<QAction>(*this, "aTotal");
    Action1 = Find<QAction>(*this, "Action1");
}

void TfrmMain::FormCreate() {
    setWindowTitle(ToQString(texts::kAppTitle));
    ConvertProcess = std::make_unique<TConvertProcess>(dispatcher_, prompts_);
    ReadWriteSettings(true);
    lUpdate->SetFontColor(kClWhite);
    SameInputFolder.clear();
    LastInputFolder.clear();
    lExtName->SetCaption(ExtensionLabelText(fpType->Caption()));
}

void TfrmMain::FormShow() {
    SetTextBytes(*eOutputFolder, OutputDirectory);
    eOutputFolder->setCursorPosition(0);
    imgTitle->setGeometry(0, 0, width(), 50);
    lUpdate->move(width() - lUpdate->width() - 10, lUpdate->y());
    iUpdate->move(lUpdate->x() - 20, iUpdate->y());
    // Every profile under its group runs TypeMenuClick; attaching again is harmless.
    for (QAction* group : pmType->actions()) {
        if (QMenu* submenu = group->menu(); submenu != nullptr) {
            connect(submenu, &QMenu::triggered, this, &TfrmMain::TypeMenuClick,
                    Qt::UniqueConnection);
        }
    }
}

// What the first paint does not need waits until it is done: the time from
// start to a drawn window is what the user waits for.
bool TfrmMain::event(QEvent* event) {
    if (!painted_ && event->type() == QEvent::Paint) {
        painted_ = true;
        QTimer::singleShot(0, this, &TfrmMain::AfterFirstPaint);
    }
    return TForm::event(event);
}

void TfrmMain::AfterFirstPaint() {
    ApplyProgramIcon();
    // An encoder asked for the first time runs alongside.
    ProbeEncoderAhead();
}

void TfrmMain::ProbeEncoderAhead() {
    ProbeAhead.Prepare(EncoderProgram(NotUseAnotherFFmpeg, AnotherFFmpeg));
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TfrmMain::FormClose() {
    // A close request from the desktop (taskbar, window manager) reaches this
    // window while a batch runs, since the progress window is not Qt-modal:
    // the job is stopped and the progress window closed before the runner goes.
    if (frmConvert_ != nullptr) {
        frmConvert_->close();
    }
    // Neither failure may keep the program from ending, and neither is shown.
    try {
        ReadWriteSettings(false);
    } catch (...) {
    }
    try {
        ConvertProcess.reset();
    } catch (...) {
    }
}

void TfrmMain::ReadWriteSettings(bool read) {
    SettingsStore store;
    if (read) {
        const Settings settings = store.Read();
        OutputDirectory = settings.OutputDirectory;
        SetProfileCaption(settings.OutputFormat);
        cbSameInput->SetChecked(settings.SameInput);
        AnotherFFmpeg = settings.AnotherFFmpeg;
        NotUseAnotherFFmpeg = settings.NotUseAnotherFFmpeg;
        return;
    }
    const std::string typed = TextBytes(*eOutputFolder);
    if (platform::DirectoryExists(typed)) {
        OutputDirectory = typed;
    }
    store.Write({OutputDirectory, CaptionBytes(*fpType), cbSameInput->Checked(), AnotherFFmpeg,
                 NotUseAnotherFFmpeg});
}

void TfrmMain::ActivateInstance() {
    show();
    if (isMinimized()) {
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    }
    raise();
    activateWindow();
}

void TfrmMain::bExitClick() {
    close();
}

}  // namespace kestrum
