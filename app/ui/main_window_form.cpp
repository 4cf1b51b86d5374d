#include "app/ui/main_window_form.h"

#include "app/core/string_table.h"
#include "app/ui/jpeg_picture.h"
#include "app/ui/main_window.h"
#include "app/ui/qt_text.h"
#include "resources/program_pictures.h"

namespace kestrum {
namespace {

FormDecl MakeDeclaration() {
    using K = ControlKind;
    const PropertyValue winXP = StyleOf(TlumUIStyle::WinXP);
    const QImage advancedIcon = pictures::ProgramPicture(pictures::kAdvancedIcon);
    return {
        .name = "frmMain",
        .caption = texts::kAppTitle,
        .clientSize = {TfrmMain::kClientWidth, TfrmMain::kClientHeight},
        .border = FormBorder::Single,
        .position = FormPosition::ScreenCenter,
        .controls =
            {
                {.name = "imgTitle",
                 .kind = K::Picture,
                 .bounds = {0, 0, TfrmMain::kClientWidth, 50},
                 .properties = {{"Picture", LoadJpegPicture(pictures::kMainBanner)},
                                {"Stretch", true}}},
                {.name = "Image1",
                 .kind = K::Picture,
                 .bounds = {8, 8, 32, 32},
                 .cursor = Qt::PointingHandCursor,
                 .properties = {{"Picture", pictures::ProgramPicture(pictures::kProgramEmblem)}}},
                {.name = "lTitle",
                 .kind = K::Label,
                 .bounds = {49, 8, 0, 0},
                 .caption = texts::kVendorAddress,
                 .font = {.pixelHeight = 15, .bold = true},
                 .cursor = Qt::PointingHandCursor,
                 .properties = {ColourOf("FontColor", kClWhite)}},
                {.name = "lTitleHint",
                 .kind = K::Label,
                 .bounds = {50, 27, 266, 0},
                 .caption = texts::kTitleHint,
                 .properties = {ColourOf("FontColor", kClWhite)}},
                // lUpdate and iUpdate move to the right edge when the window is shown.
                {.name = "iUpdate",
                 .kind = K::Picture,
                 .bounds = {0, 24, 16, 16},
                 .properties = {{"Picture", pictures::ProgramPicture(pictures::kUpdateIcon)}}},
                {.name = "lUpdate",
                 .kind = K::URLLabel,
                 .bounds = {0, 24, 0, 0},
                 .caption = texts::kCheckForUpdates,
                 .font = {.pixelHeight = 12, .underline = true},
                 .cursor = Qt::PointingHandCursor,
                 .properties = {{"Transparent", true},
                                {"URL", ToQString(texts::kUpdatePageUrl)},
                                ColourOf("FontHoverColor", 0x0000FF),
                                ColourOf("FontLinkColor", kClWhite),
                                ColourOf("FontColor", 0xFF0000)}},
                {.name = "lVideo",
                 .kind = K::Label,
                 .bounds = {8, 58, 0, 0},
                 .caption = texts::kStepChooseProfile},
                {.name = "lUrl",
                 .kind = K::Label,
                 .bounds = {8, 76, 0, 0},
                 .caption = texts::kStepConvert},
                {.name = "Panel2", .kind = K::SunkenLine, .bounds = {8, 100, 390, 2}},
                {.name = "lConvertTo",
                 .kind = K::Label,
                 .bounds = {8, 108, 0, 0},
                 .caption = texts::kProfileLabel,
                 .hint = texts::kProfileLabelHint},
                {.name = "lExtName",
                 .kind = K::Label,
                 .bounds = {45, 108, 0, 0},
                 .properties = {{"enabled", false}}},
                {.name = "fpType",
                 .kind = K::FlatPanel,
                 .bounds = {6, 127, 371, 21},
                 .properties = {{"ParentColor", true},
                                ColourOf("ColorHighLight", kClBlack),
                                ColourOf("ColorShadow", kClBlack)}},
                {.name = "lumArrowButton3",
                 .kind = K::ArrowButton,
                 .bounds = {375, 127, 21, 21},
                 .properties = {{"Arrow", QVariant::fromValue(TlumArrow::lumDown)},
                                StyleOf(TlumUIStyle::Protein),
                                {"MouseContinuouslyDownInterval", 100},
                                {"TabStop", false}}},
                {.name = "lOutputFolder",
                 .kind = K::Label,
                 .bounds = {8, 160, 0, 0},
                 .caption = texts::kOutputFolderLabel},
                {.name = "eOutputFolder",
                 .kind = K::Edit,
                 .bounds = {8, 179, 300, 20},
                 .properties = {winXP, ColourOf("BorderColor", 0x686868)}},
                {.name = "bBrowser",
                 .kind = K::Button,
                 .bounds = {318, 177, 80, 23},
                 .caption = texts::kBrowse,
                 .hint = texts::kBrowseHint,
                 .properties = {winXP}},
                {.name = "cbSameInput",
                 .kind = K::CheckBox,
                 .bounds = {8, 203, 0, 0},
                 .caption = texts::kSameAsInput,
                 .properties = {winXP}},
                {.name = "pLine", .kind = K::SunkenLine, .bounds = {8, 229, 390, 2}},
                {.name = "KadShiftImage1",
                 .kind = K::ShiftImage,
                 .bounds = {11, 239, 32, 32},
                 .hint = texts::kAdvancedPictureHint,
                 .cursor = Qt::PointingHandCursor,
                 .properties = {{"AutoSize", true},
                                {"Picture", advancedIcon},
                                {"NoFocusedPicture", advancedIcon},
                                {"FocusedPicture",
                                 pictures::ProgramPicture(pictures::kAdvancedIconHover)}}},
                {.name = "lbEAddress",
                 .kind = K::Label,
                 .bounds = {45, 257, 0, 0},
                 .caption = texts::kAdvanced,
                 .hint = texts::kAdvancedHint,
                 .font = {.bold = true, .underline = true},
                 .cursor = Qt::PointingHandCursor,
                 .properties = {ColourOf("FontColor", 0xFF0000)}},
                {.name = "bConvert",
                 .kind = K::Button,
                 .bounds = {130, 247, 80, 23},
                 .caption = texts::kConvert,
                 .hint = texts::kConvertHint,
                 .properties = {winXP}},
                {.name = "bShowFiles",
                 .kind = K::Button,
                 .bounds = {224, 247, 80, 23},
                 .caption = texts::kShowFiles,
                 .hint = texts::kShowFilesHint,
                 .properties = {winXP}},
                {.name = "bExit",
                 .kind = K::Button,
                 .bounds = {318, 247, 80, 23},
                 .caption = texts::kExit,
                 .hint = texts::kExitHint,
                 .properties = {winXP}},
            },
        .tabOrder = {"bConvert", "bShowFiles", "bExit", "eOutputFolder", "cbSameInput", "bBrowser"},
        .menus =
            {
                // Its entries come from the catalogue (FillProfileMenu).
                {.name = "pmType", .properties = ProfileMenuLook()},
                {.name = "lumPopupMenu1",
                 .properties = MainWindowMenuLook(),
                 .items = {{.name = "Homepage1", .caption = texts::kHomePage},
                           {.name = "N1", .caption = "-"},
                           {.name = "UseanotherFFMpeg1",
                            .caption = texts::kUseAnotherFFmpegEntry,
                            .checkable = true},
                           {.name = "N2", .caption = "-"},
                           {.name = "Donate1", .caption = texts::kDonate},
                           {.name = "N3", .caption = "-"},
                           {.name = "About1", .caption = texts::kAboutEntry}}},
            },
        .actions =
            {
                {"aTotal", texts::kPopupProfileMenu, QKeySequence(Qt::CTRL | Qt::Key_P)},
                {"Action1", texts::kAdvanced, QKeySequence(Qt::CTRL | Qt::Key_A)},
            },
    };
}

constexpr EventDecl<TfrmMain> kEvents[] = {
    {"bConvert", "OnClick()", &TfrmMain::bConvertClick},
    {"Image1", "OnClick()", &TfrmMain::Homepage1Click},
    {"lTitle", "OnClick()", &TfrmMain::lTitleClick},
    {"fpType", "OnClick()", &TfrmMain::fpTypeClick},
    {"lumArrowButton3", "OnClick()", &TfrmMain::fpTypeClick},
    {"bBrowser", "OnClick()", &TfrmMain::bBrowserClick},
    {"cbSameInput", "OnClick()", &TfrmMain::cbSameInputClick},
    {"KadShiftImage1", "OnClick()", &TfrmMain::iAboutClick},
    {"lbEAddress", "OnClick()", &TfrmMain::iAboutClick},
    {"bShowFiles", "OnClick()", &TfrmMain::bShowFilesClick},
    {"bExit", "OnClick()", &TfrmMain::bExitClick},
    {"miManualConvert", "triggered()", &TfrmMain::miManualConvertClick},
    {"Homepage1", "triggered()", &TfrmMain::Homepage1Click},
    {"UseanotherFFMpeg1", "triggered()", &TfrmMain::UseanotherFFMpeg1Click},
    {"Donate1", "triggered()", &TfrmMain::Donate1Click},
    {"About1", "triggered()", &TfrmMain::About1Click},
    {"aTotal", "triggered()", &TfrmMain::fpTypeClick},
    {"Action1", "triggered()", &TfrmMain::iAboutClick},
};

}  // namespace

const std::vector<PropertyValue>& MainWindowMenuLook() {
    static const std::vector<PropertyValue> look = {
        StyleOf(TlumUIStyle::DeepBlue),
        {"MenuItemHeight", 21},
        {"SeparatorHeight", 5},
        {"BarWidth", 26},
        ColourOf("BarColor", 0xCED3D6),
        ColourOf("BarToColor", 0xCED3D6),
        ColourOf("Color", kClWhite),
        ColourOf("SeparatorColor", 0x848284),
        ColourOf("SelectedBorderColor", 0xA04A44),
        ColourOf("SelectedColor", 0xA04A44),
        ColourOf("SelectedFontColor", kClWhite),
        ColourOf("FontColor", kClBlack),
        ColourOf("BorderColor", kClBlack),
        {"FlatMenu", false},
        {"FontName", QString("MS Sans Serif")},
        {"FontSize", 8},
        {"FontCharset", 1},
        {"UseSystemFont", true},
    };
    return look;
}

const std::vector<PropertyValue>& ProfileMenuLook() {
    static const std::vector<PropertyValue> look = [] {
        std::vector<PropertyValue> properties = MainWindowMenuLook();
        properties.push_back({"Alignment", QVariant::fromValue(TPopupAlignment::paCenter)});
        return properties;
    }();
    return look;
}

const FormDecl& MainWindowDeclaration() {
    static const FormDecl declaration = MakeDeclaration();
    return declaration;
}

std::span<const EventDecl<TfrmMain>> MainWindowEvents() {
    return kEvents;
}

}  // namespace kestrum
