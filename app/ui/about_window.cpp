#include "app/ui/about_window.h"

#include "app/core/string_table.h"
#include "app/ui/form_builder.h"
#include "app/ui/jpeg_picture.h"
#include "app/ui/label.h"
#include "app/ui/modal_result.h"
#include "app/ui/qt_text.h"
#include "app/ui/shell_service.h"
#include "resources/program_pictures.h"
#include "skin/ui/button.h"

namespace kestrum {
namespace {

FormDecl MakeDeclaration() {
    using K = ControlKind;
    static const std::string address = "http://" + std::string(texts::kVendorAddress);
    return {
        .name = "frmAbout",
        .caption = texts::kAboutTitle,
        .clientSize = {360, 249},
        .border = FormBorder::Dialog,
        .position = FormPosition::OwnerCenter,
        .controls =
            {
                {.name = "Image2",
                 .kind = K::Picture,
                 .bounds = {0, 0, 360, 50},
                 .properties = {{"Picture", LoadJpegPicture(pictures::kAboutBanner)}}},
                {.name = "Image1",
                 .kind = K::Picture,
                 .bounds = {20, 61, 32, 32},
                 .properties = {{"Picture", pictures::ProgramPicture(pictures::kProgramEmblem)}}},
                // Its caption is set when the window is shown.
                {.name = "Label1", .kind = K::Label, .bounds = {80, 62, 0, 0}},
                {.name = "Label2",
                 .kind = K::Label,
                 .bounds = {80, 84, 0, 0},
                 .caption = texts::kVersionLine},
                {.name = "lCopywrite",
                 .kind = K::Label,
                 .bounds = {80, 129, 0, 0},
                 .caption = texts::kNoticeLine},
                {.name = "Label3",
                 .kind = K::Label,
                 .bounds = {80, 152, 0, 0},
                 .caption = texts::kEmailLine},
                {.name = "Panel2", .kind = K::SunkenLine, .bounds = {80, 176, 262, 2}},
                {.name = "lbEAddress",
                 .kind = K::Label,
                 .bounds = {80, 186, 0, 0},
                 .caption = address,
                 .font = {.underline = true},
                 .cursor = Qt::PointingHandCursor,
                 .properties = {ColourOf("FontColor", 0xFF0000)}},
                {.name = "bOK",
                 .kind = K::Button,
                 .bounds = {260, 211, 79, 23},
                 .caption = texts::kOK,
                 .properties = {StyleOf(TlumUIStyle::WinXP), {"ModalResult", mrOk}}},
            },
        .tabOrder = {"bOK"},
    };
}

constexpr EventDecl<TfrmAbout> kEvents[] = {
    {"lbEAddress", "OnClick()", &TfrmAbout::lbEAddressClick},
};

}  // namespace

TfrmAbout::TfrmAbout(QWidget* owner) : TForm(owner) {
    static const FormDecl declaration = MakeDeclaration();
    BuildForm(*this, declaration);
    Label1 = Find<TLabel>(*this, "Label1");
    lbEAddress = Find<TLabel>(*this, "lbEAddress");
    bOK = Find<TlumButton>(*this, "bOK");
    BindEvents<TfrmAbout>(*this, kEvents);
}

void TfrmAbout::FormShow() {
    Label1->SetCaption(ToQString(texts::kAppTitle));
}

void TfrmAbout::lbEAddressClick() {
    // The link shows the vendor's address but opens the product's home page.
    Shell().Open(ToQString(texts::kHomePageUrl));
}

}  // namespace kestrum
