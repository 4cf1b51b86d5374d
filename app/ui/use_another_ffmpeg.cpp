#include "app/ui/use_another_ffmpeg.h"

#include "app/core/string_table.h"
#include "app/ui/dialog_service.h"
#include "app/ui/form_builder.h"
#include "app/ui/modal_result.h"
#include "app/ui/qt_text.h"
#include "app/ui/text_bytes.h"
#include "platform/file_system.h"
#include "skin/ui/button.h"
#include "skin/ui/check_box.h"
#include "skin/ui/edit.h"

namespace kestrum {
namespace {

// The encoder's file name beside the program on this platform.
#ifdef _WIN32
constexpr char kEncoderFileName[] = "ffmpeg.exe";
#else
constexpr char kEncoderFileName[] = "ffmpeg";
#endif

FormDecl MakeDeclaration() {
    using K = ControlKind;
    const PropertyValue winXP = StyleOf(TlumUIStyle::WinXP);
    return {
        .name = "frmUseFFmpeg",
        .caption = texts::kUseAnotherFFmpegTitle,
        .clientSize = {368, 139},
        .border = FormBorder::Dialog,
        .position = FormPosition::OwnerCenter,
        .controls =
            {
                {.name = "GroupBox1",
                 .kind = K::GroupBox,
                 .bounds = {8, 8, 351, 81},
                 .caption = texts::kSelectFFmpegPath},
                {.name = "Edit1",
                 .kind = K::Edit,
                 .bounds = {16, 41, 300, 20},
                 .parent = "GroupBox1",
                 .properties = {winXP, ColourOf("BorderColor", 0x686868)}},
                {.name = "bBrowser",
                 .kind = K::Button,
                 .bounds = {321, 39, 30, 23},
                 .caption = texts::kBrowseEncoder,
                 .hint = texts::kBrowseHint,
                 .parent = "GroupBox1",
                 .properties = {winXP}},
                {.name = "cbNotUseAnother",
                 .kind = K::CheckBox,
                 .bounds = {8, 104, 0, 0},
                 .caption = texts::kDontUseIt,
                 .properties = {winXP}},
                {.name = "bDefault",
                 .kind = K::Button,
                 .bounds = {121, 102, 70, 27},
                 .caption = texts::kDefault,
                 .properties = {winXP}},
                {.name = "bOK",
                 .kind = K::Button,
                 .bounds = {204, 102, 70, 27},
                 .caption = texts::kOK,
                 .properties = {winXP}},
                {.name = "bCancel",
                 .kind = K::Button,
                 .bounds = {287, 102, 70, 27},
                 .caption = texts::kCancel,
                 .properties = {winXP, {"ModalResult", mrCancel}}},
            },
        .tabOrder = {"bCancel", "bDefault", "bOK", "Edit1", "bBrowser", "cbNotUseAnother"},
    };
}

constexpr EventDecl<TfrmUseFFmpeg> kEvents[] = {
    {"bBrowser", "OnClick()", &TfrmUseFFmpeg::bBrowserClick},
    {"bDefault", "OnClick()", &TfrmUseFFmpeg::bDefaultClick},
    {"bOK", "OnClick()", &TfrmUseFFmpeg::bOKClick},
};

}  // namespace

TfrmUseFFmpeg::TfrmUseFFmpeg(QWidget* owner) : TForm(owner) {
    static const FormDecl declaration = MakeDeclaration();
    BuildForm(*this, declaration);
    Edit1 = Find<TlumEdit>(*this, "Edit1");
    bBrowser = Find<TlumButton>(*this, "bBrowser");
    cbNotUseAnother = Find<TlumCheckBox>(*this, "cbNotUseAnother");
    bDefault = Find<TlumButton>(*this, "bDefault");
    bOK = Find<TlumButton>(*this, "bOK");
    bCancel = Find<TlumButton>(*this, "bCancel");
    BindEvents<TfrmUseFFmpeg>(*this, kEvents);
}

void TfrmUseFFmpeg::FormShow() {
    if (!Edit1->text().isEmpty()) {
        Edit1->setFocus(Qt::OtherFocusReason);
    }
}

void TfrmUseFFmpeg::bBrowserClick() {
    FileChooserRequest request;
    request.filter = QString("%1 (%1)").arg(kEncoderFileName);
    const QStringList chosen = Dialogs().ChooseFiles(this, request);
    if (!chosen.isEmpty()) {
        SetTextBytes(*Edit1, ChosenPath(chosen.constFirst()));
    }
}

void TfrmUseFFmpeg::bDefaultClick() {
    SetTextBytes(*Edit1, platform::ExecutableFolder() + kEncoderFileName);
}

void TfrmUseFFmpeg::bOKClick() {
    if (cbNotUseAnother->Checked() || platform::FileExists(TextBytes(*Edit1))) {
        done(mrOk);
        return;
    }
    ShowInformation(this, ToQString(texts::kEncoderMissing));
}

}  // namespace kestrum
