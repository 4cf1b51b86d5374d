#include "profiles/ui/manual_convert_dialog.h"

#include <QLineEdit>

#include "app/core/string_table.h"
#include "app/ui/dialog_service.h"
#include "app/ui/form_builder.h"
#include "app/ui/modal_result.h"
#include "app/ui/qt_text.h"
#include "profiles/core/manual_command.h"
#include "skin/ui/button.h"

namespace kestrum {
namespace {

const std::string& InitialPreview() {
    static const std::string preview =
        ComposeManualCommand(texts::kManualInitialCommand, texts::kManualInitialExtension);
    return preview;
}

const FormDecl& Declaration() {
    using K = ControlKind;
    static const FormDecl form = [] {
        FormDecl decl{
            .name = "frmManualConvert",
            .caption = texts::kManualConversion,
            .clientSize = {540, 363},
            .border = FormBorder::Dialog,
            .position = FormPosition::OwnerCenter,
            .controls =
                {
                    {.name = "Label1",
                     .kind = K::Label,
                     .bounds = {8, 8, 0, 0},
                     .caption = texts::kManualInstruction},
                    {.name = "GroupBox1",
                     .kind = K::GroupBox,
                     .bounds = {8, 28, 340, 56},
                     .caption = texts::kManualCommandFrame},
                    {.name = "eCommandLine",
                     .kind = K::LineEdit,
                     .bounds = {18, 52, 320, 21},
                     .caption = texts::kManualInitialCommand,
                     .parent = "GroupBox1"},
                    {.name = "GroupBox2",
                     .kind = K::GroupBox,
                     .bounds = {356, 28, 176, 56},
                     .caption = texts::kManualExtensionFrame},
                    {.name = "eOutputFile",
                     .kind = K::LineEdit,
                     .bounds = {366, 52, 156, 21},
                     .caption = texts::kManualInitialExtension,
                     .parent = "GroupBox2"},
                    {.name = "GroupBox3", .kind = K::GroupBox, .bounds = {8, 92, 430, 263}},
                    {.name = "Label2",
                     .kind = K::Label,
                     .bounds = {18, 104, 0, 0},
                     .caption = texts::kManualPreviewHeading,
                     .parent = "GroupBox3"},
                    {.name = "Edit1",
                     .kind = K::LineEdit,
                     .bounds = {18, 122, 410, 21},
                     .caption = InitialPreview(),
                     .parent = "GroupBox3",
                     .properties = {{"readOnly", true}}},
                    {.name = "bOK",
                     .kind = K::Button,
                     .bounds = {452, 100, 80, 27},
                     .caption = texts::kOK,
                     .properties = {StyleOf(TlumUIStyle::WinXP)}},
                    {.name = "bCancel",
                     .kind = K::Button,
                     .bounds = {452, 135, 80, 27},
                     .caption = texts::kCancel,
                     .properties = {StyleOf(TlumUIStyle::WinXP), {"ModalResult", mrCancel}}},
                },
            .tabOrder = {"eCommandLine", "eOutputFile", "bOK", "bCancel", "Edit1"},
        };
        // The help lines, one below the other under the preview.
        static const char* const names[] = {"Label3", "Label4", "Label5", "Label6",
                                            "Label7", "Label8", "Label9", "Label10"};
        int top = 154;
        for (std::size_t line = 0; line < std::size(names); ++line, top += 24) {
            decl.controls.push_back({.name = names[line],
                                     .kind = K::Label,
                                     .bounds = {18, top, 0, 0},
                                     .caption = texts::kManualHelpLines[line],
                                     .parent = "GroupBox3"});
        }
        return decl;
    }();
    return form;
}

constexpr EventDecl<TfrmManualConvert> kEvents[] = {
    {"eCommandLine", "textChanged(QString)", &TfrmManualConvert::eCommandLineChange},
    {"eOutputFile", "textChanged(QString)", &TfrmManualConvert::eCommandLineChange},
    {"bOK", "OnClick()", &TfrmManualConvert::bOKClick},
};

}  // namespace

TfrmManualConvert::TfrmManualConvert(QWidget* owner, const QString& profileCaption)
    : TForm(owner), profileCaption_(profileCaption) {
    BuildForm(*this, Declaration());
    eCommandLine = Find<QLineEdit>(*this, "eCommandLine");
    eOutputFile = Find<QLineEdit>(*this, "eOutputFile");
    Edit1 = Find<QLineEdit>(*this, "Edit1");
    bOK = Find<TlumButton>(*this, "bOK");
    bCancel = Find<TlumButton>(*this, "bCancel");
    BindEvents<TfrmManualConvert>(*this, kEvents);
}

void TfrmManualConvert::FormShow() {
    // A caption that is not a manual command (or starts with "ffmpeg" but
    // holds no "%1.") leaves the initial texts.
    const std::optional<ManualCommandFields> fields =
        ManualCommandEditFields(ToStdString(profileCaption_));
    if (fields) {
        eCommandLine->setText(ToQString(fields->commandLine));
        eOutputFile->setText(ToQString(fields->extension));
    }
}

void TfrmManualConvert::eCommandLineChange() {
    Edit1->setText(ToQString(
        ComposeManualCommand(ToStdString(eCommandLine->text()), ToStdString(eOutputFile->text()))));
}

void TfrmManualConvert::bOKClick() {
    if (!eCommandLine->text().isEmpty() && !eOutputFile->text().isEmpty()) {
        done(mrOk);
        return;
    }
    ShowInformation(this, ToQString(texts::kCheckManualParameters));
}

}  // namespace kestrum
