#include "convert/ui/progress_window.h"

#include <QCoreApplication>

#include "app/core/string_table.h"
#include "app/ui/error_report.h"
#include "app/ui/form_builder.h"
#include "app/ui/label.h"
#include "app/ui/modal_result.h"
#include "app/ui/picture.h"
#include "app/ui/qt_text.h"
#include "convert/ui/convert_status_event.h"
#include "resources/program_pictures.h"
#include "skin/ui/button.h"
#include "skin/ui/progress_bar.h"

namespace kestrum {
namespace {

FormDecl MakeDeclaration() {
    using K = ControlKind;
    const PropertyValue winXP = StyleOf(TlumUIStyle::WinXP);
    return {
        .name = "frmConvert",
        .caption = texts::kAppTitle,
        .clientSize = {TfrmConvert::kClientWidth, TfrmConvert::kClientHeight},
        .border = FormBorder::Dialog,
        .position = FormPosition::OwnerCenter,
        .controls =
            {
                {.name = "GroupBox2",
                 .kind = K::GroupBox,
                 .bounds = {8, 8, 239, 125},
                 .caption = texts::kConverting},
                // Cut at its width; the hint shows the whole name.
                {.name = "lConvertName",
                 .kind = K::Label,
                 .bounds = {20, 28, 212, 13},
                 .parent = "GroupBox2"},
                // The style first: it brings a picture and colours of its own,
                // which the window's own then replace.
                {.name = "lumProgressBar2",
                 .kind = K::ProgressBar,
                 .bounds = {20, 50, 212, 18},
                 .parent = "GroupBox2",
                 .properties =
                     {winXP,
                      {"Orientation", QVariant::fromValue(TlumOrientation::lumHorizontal)},
                      {"Min", 0},
                      {"Max", 100},
                      {"Position", 50},
                      {"ShowCaption", true},
                      {"SmartShowCaption", false},
                      ColourOf("CaptionColor", kClBlack),
                      ColourOf("BorderColor", 0x686868),
                      ColourOf("Color", 0xDEEBEF),
                      {"Picture", pictures::ProgramPicture(pictures::kConvertProgressFill)}}},
                {.name = "Label5",
                 .kind = K::Label,
                 .bounds = {20, 80, 0, 0},
                 .caption = texts::kTimeElapsed,
                 .parent = "GroupBox2"},
                {.name = "Label6",
                 .kind = K::Label,
                 .bounds = {20, 104, 0, 0},
                 .caption = texts::kTimeEstimated,
                 .parent = "GroupBox2"},
                {.name = "lTimeElapsed",
                 .kind = K::Label,
                 .bounds = {128, 80, 0, 0},
                 .caption = texts::kNoTimeYet,
                 .parent = "GroupBox2"},
                {.name = "lTimeEstimated",
                 .kind = K::Label,
                 .bounds = {128, 104, 0, 0},
                 .caption = texts::kNoTimeYet,
                 .parent = "GroupBox2"},
                {.name = "Image2",
                 .kind = K::Picture,
                 .bounds = {280, 32, 32, 32},
                 .properties = {{"Picture", pictures::ProgramPicture(pictures::kConvertPicture)}}},
                {.name = "bStop",
                 .kind = K::Button,
                 .bounds = {257, 104, 80, 27},
                 .caption = texts::kStop,
                 .properties = {winXP}},
            },
        .tabOrder = {"bStop"},
    };
}

constexpr EventDecl<TfrmConvert> kEvents[] = {
    {"bStop", "OnClick()", &TfrmConvert::bStopClick},
};

}  // namespace

TfrmConvert::TfrmConvert(QWidget* owner, std::vector<std::string> files, TConvertProcess& process,
                         UserPrompts& prompts, const BatchChoices& choices,
                         EncoderProbeAhead& encoderProbe)
    : TForm(owner),
      batch_({{process, *this}}, prompts, *this, std::move(files), choices,
             StartErrorPolicy::RaiseAndWait),
      encoderProbe_(encoderProbe),
      encoder_(EncoderProgram(choices.NotUseAnotherFFmpeg, choices.AnotherFFmpeg)) {
    static const FormDecl declaration = MakeDeclaration();
    BuildForm(*this, declaration);
    lConvertName = Find<TLabel>(*this, "lConvertName");
    lumProgressBar2 = Find<TlumProgressBar>(*this, "lumProgressBar2");
    Label5 = Find<TLabel>(*this, "Label5");
    Label6 = Find<TLabel>(*this, "Label6");
    lTimeElapsed = Find<TLabel>(*this, "lTimeElapsed");
    lTimeEstimated = Find<TLabel>(*this, "lTimeEstimated");
    Image2 = Find<TImage>(*this, "Image2");
    bStop = Find<TlumButton>(*this, "bStop");
    BindEvents<TfrmConvert>(*this, kEvents);
}

void TfrmConvert::FormShow() {
    // Answered at once when known; otherwise from the event loop, as a notice would be.
    encoderAnswer_ = encoderProbe_.Ask(encoder_, [this](const EncoderCapabilities& encoder) {
        RunGuarded(this, [&] { batch_.Begin(encoder); });
    });
}

void TfrmConvert::Post(std::unique_ptr<TProcessInfo> notice) {
    QCoreApplication::postEvent(this, new ConvertStatusEvent(std::move(notice)));
}

bool TfrmConvert::event(QEvent* event) {
    if (event->type() != ConvertStatusEvent::kType) {
        return TForm::event(event);
    }
    std::unique_ptr<TProcessInfo> notice = static_cast<ConvertStatusEvent*>(event)->TakeNotice();
    // The next file's Start may fail: its error goes to the top-level handler.
    RunGuarded(this, [&] { batch_.HandleNotice(0, std::move(notice)); });
    return true;
}

void TfrmConvert::JobStarted(const BatchJob& job) {
    const QString name = ToQString(job.OutputName);
    lConvertName->SetCaption(name);
    lConvertName->setToolTip(name);
    setWindowTitle(
        QString("%1 (%2/%3)").arg(ToQString(texts::kAppTitle)).arg(job.Number).arg(job.Count));
    lumProgressBar2->SetPosition(0);
}

// The times stay as they are until the new file's first notice.
void TfrmConvert::JobProgress(const BatchJob&, const TProcessInfo& notice) {
    if (notice.Status == 0) {
        lumProgressBar2->SetPosition(notice.Percent);
    }
    lTimeElapsed->SetCaption(ToQString(notice.ElapsedText));
    lTimeEstimated->SetCaption(ToQString(notice.EstimatedText));
}

void TfrmConvert::BatchFinished() {
    close();
}

void TfrmConvert::bStopClick() {
    batch_.Stop();
    done(mrAbort);
}

void TfrmConvert::done(int result) {
    FormClose();
    TForm::done(result);
}

void TfrmConvert::FormClose() {
    batch_.Stop();
}

}  // namespace kestrum
