#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>

#include "app/ui/dialog_service.h"
#include "app/ui/form.h"
#include "app/ui/message_prompts.h"
#include "app/ui/qt_dispatcher.h"
#include "convert/core/convert_process.h"
#include "convert/core/encoder_probe_ahead.h"

class QAction;

namespace kestrum {

class TImage;
class TLabel;
class TSunkenLine;
class TlumURLLabel;
class TFlatPanel;
class TlumArrowButton;
class TlumEdit;
class TlumButton;
class TlumCheckBox;
class TKadShiftImage;
class TlumPopupMenu;
class TfrmConvert;

// The program's one main window: the profile box, the output folder and the
// command buttons under the banner, the Advanced menu and the profile menu.
// It owns the settings for the run (read when it is created, written when it
// closes) and the program's one TConvertProcess. Every other window is made
// by one of its commands.
class TfrmMain : public TForm<QWidget> {
    Q_OBJECT

    // What ConvertProcess talks to the windows through: declared first, so
    // that they outlive it.
    QtMainThreadDispatcher dispatcher_;
    MessageBoxPrompts prompts_;

public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    static constexpr int kClientWidth = 405;
    static constexpr int kClientHeight = 284;

    // The state the commands share. The profile caption lives only in
    // fpType's caption, and "Same as the input file" only in cbSameInput.
    std::string OutputDirectory;
    std::string SameInputFolder;  // folder of the last batch converted beside its inputs
    std::string LastInputFolder;  // folder of the last batch
    std::string AnotherFFmpeg;
    bool NotUseAnotherFFmpeg = true;

    // The encoder runner every batch of the run drives; from FormCreate to FormClose.
    std::unique_ptr<TConvertProcess> ConvertProcess;
    // Asks the encoder what build it is in the background: after the window
    // first shows and whenever another encoder is chosen, so that Convert...
    // never waits for it here.
    EncoderProbeAhead ProbeAhead{SharedEncoderProbe(), dispatcher_};

    // The controls, named as the window's declaration names them.
    TImage* imgTitle;
    TImage* Image1;
    TLabel* lTitle;
    TLabel* lTitleHint;
    TImage* iUpdate;
    TlumURLLabel* lUpdate;
    TLabel* lVideo;
    TLabel* lUrl;
    TSunkenLine* Panel2;
    TLabel* lConvertTo;
    TLabel* lExtName;
    TFlatPanel* fpType;
    TlumArrowButton* lumArrowButton3;
    TLabel* lOutputFolder;
    TlumEdit* eOutputFolder;
    TlumButton* bBrowser;
    TlumCheckBox* cbSameInput;
    TSunkenLine* pLine;
    TKadShiftImage* KadShiftImage1;
    TLabel* lbEAddress;
    TlumButton* bConvert;
    TlumButton* bShowFiles;
    TlumButton* bExit;
    TlumPopupMenu* pmType;  // the profile menu
    QAction* miManualConvert;
    TlumPopupMenu* lumPopupMenu1;  // the Advanced menu
    QAction* Homepage1;
    QAction* UseanotherFFMpeg1;
    QAction* Donate1;
    QAction* About1;
    QAction* aTotal;   // Ctrl+P
    QAction* Action1;  // Ctrl+A
    // The file chooser of Convert...: every file, several at once.
    FileChooserRequest OpenDialog1;

    // Reads the five settings into the window (true) or writes them (false).
    // Writing throws Error at the first key that cannot be written.
    void ReadWriteSettings(bool read);

    // WM_ACTIVATE_INSTANCE from a later copy: shown, restored, in front.
    void ActivateInstance();

    // Where fpTypeClick opens the profile menu, in screen coordinates.
    QPoint ProfileMenuPoint() const;

    // Profile selection.
    void fpTypeClick();
    void TypeMenuClick(QAction* entry);
    void miManualConvertClick();
    // The Advanced menu and the web links.
    void iAboutClick();
    void Homepage1Click();
    void Donate1Click();
    void lTitleClick();
    void UseanotherFFMpeg1Click();
    void About1Click();
    // Convert...: the checks, the input files and the batch.
    void bConvertClick();
    // The output folder.
    void bBrowserClick();
    void cbSameInputClick();
    void bShowFilesClick();
    void bExitClick();

protected:
    void FormShow() override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void FindControls();
    void SetProfileCaption(const std::string& caption);
    void ProbeEncoderAhead();
    void AfterFirstPaint();
    void FormCreate();
    void FormClose();
    void RunConvert();

    // The progress window while a batch runs.
    QPointer<TfrmConvert> frmConvert_;
    bool painted_ = false;
};

}  // namespace kestrum
