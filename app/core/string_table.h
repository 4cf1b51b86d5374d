#pragma once

#include <string_view>

namespace kestrum::texts {

// The program's user-facing texts, exactly as the program shows them.
inline constexpr std::string_view kAppTitle = "Kestrum Zude Ridaz Avovozozi";
inline constexpr std::string_view kSelectOutputFolder = "Please select the directory to output";
inline constexpr std::string_view kOverwriteQuestion = " has existed,overite it?";
inline constexpr std::string_view kOutputFolderMissing = " the output directory does not exist.";
inline constexpr std::string_view kEncoderMissing = "This FFmpeg.exe file does not exist.";
inline constexpr std::string_view kCreateFolderQuestion = "creates a new directory?";
inline constexpr std::string_view kProcessCreationFailed = "Error while creating convert process!";
inline constexpr std::string_view kOutputInUse = " may be used, convert process failed!";
inline constexpr std::string_view kChooseProfile = "Please choose the output format!";
inline constexpr std::string_view kCheckManualParameters =
    "Please check the insertion of parameters!";
inline constexpr std::string_view kFilesFailed = "file conversion failed.";

// The encoder runner's failures; the system's error code follows directly.
inline constexpr std::string_view kStdInPipeCreation = "Error on STDIN pipe creation : ";
inline constexpr std::string_view kStdInPipeDuplication = "Error on STDIN pipe duplication : ";
inline constexpr std::string_view kStdOutPipeCreation = "Error on STDOUT pipe creation : ";
inline constexpr std::string_view kStdOutPipeDuplication = "Error on STDOUT pipe duplication : ";
inline constexpr std::string_view kStdErrPipeCreation = "Error on STDERR pipe creation : ";
inline constexpr std::string_view kStdErrPipeDuplication = "Error on STDERR pipe duplication : ";
inline constexpr std::string_view kStdOutPipeRead = "Error reading STDOUT pipe : ";
inline constexpr std::string_view kStdErrPipeRead = "Error reading STDERR pipe : ";

// Our own addition: an output that would overwrite its own input.
inline constexpr std::string_view kOutputIsInput =
    " is the input file itself, convert process failed!";

// Our own addition: a profile asking for H.264 from an encoder build without it.
inline constexpr std::string_view kNeedsLibx264 =
    " needs the H.264 encoder libx264, which this ffmpeg does not have.";

// Our own addition: the file the encoder writes until it is whole and takes
// the output's name. The system's error code follows directly.
inline constexpr std::string_view kPartialNotCreated =
    " could not be created, convert process failed!";
inline constexpr std::string_view kPartialNotRenamed = " could not be renamed to ";
inline constexpr std::string_view kPartialRenameFailed = ", convert process failed!";

}  // namespace kestrum::texts

namespace kestrum::texts {

// The fixed texts of the windows, as each window shows them.

// Main window.
inline constexpr std::string_view kTitleHint = "Convert video files between many formats";
inline constexpr std::string_view kCheckForUpdates = "Check for updates...";
inline constexpr std::string_view kStepChooseProfile =
    "1. Click 'Profile:' combobox to choose an output format.";
inline constexpr std::string_view kStepConvert =
    "2. Click 'Convert...' button to select one or more files and start converting.";
inline constexpr std::string_view kProfileLabel = "Profile:";
inline constexpr std::string_view kProfileLabelHint = "'Ctrl + P' to popup the profile list";
inline constexpr std::string_view kOutputFolderLabel = "Output Folder:";
inline constexpr std::string_view kBrowse = "Browser...";
inline constexpr std::string_view kBrowseHint = "Select folder for output files";
inline constexpr std::string_view kSameAsInput = "Same as the input file";
inline constexpr std::string_view kAdvancedPictureHint = "Click to popup the menu";
inline constexpr std::string_view kAdvanced = "Advanced";
inline constexpr std::string_view kAdvancedHint = "Click to popup the menu (Ctrl + A)";
inline constexpr std::string_view kConvert = "Convert...";
inline constexpr std::string_view kConvertHint =
    "Select one or more video files and start converting";
inline constexpr std::string_view kShowFiles = "Show Files...";
inline constexpr std::string_view kShowFilesHint = "Open Destination Folder";
inline constexpr std::string_view kExit = "Exit";
inline constexpr std::string_view kExitHint = "Exit the software";
inline constexpr std::string_view kPopupProfileMenu = "Popup Profile Menu";
inline constexpr std::string_view kSelectInputFiles = "Select one or more video files";

// The Advanced menu and the end of the profile menu.
inline constexpr std::string_view kHomePage = "&Home Page";
inline constexpr std::string_view kUseAnotherFFmpegEntry = "&Use another FFmpeg";
inline constexpr std::string_view kDonate = "&Donate";
inline constexpr std::string_view kAboutEntry = "&About...";
inline constexpr std::string_view kManualConversion = "Manual conversion";
inline constexpr std::string_view kManualConversionHint = "Asks for the insertion of parameters";

// Buttons shared by the dialogs.
inline constexpr std::string_view kOK = "&OK";
inline constexpr std::string_view kCancel = "&Cancel";

// The encoder location dialog.
inline constexpr std::string_view kUseAnotherFFmpegTitle = "Use another FFmpeg";
inline constexpr std::string_view kSelectFFmpegPath = "Select FFmpeg path";
inline constexpr std::string_view kBrowseEncoder = "...";
inline constexpr std::string_view kDontUseIt = "Don't use it";
inline constexpr std::string_view kDefault = "&Default";

// The about window.
inline constexpr std::string_view kAboutTitle = "About Zude Ridaz Avovozozi";
inline constexpr std::string_view kVersionLine = "Version: 1.8   Build 20150107";
inline constexpr std::string_view kNoticeLine = "Copyright (C) 2006-2015 Kestrum Software";
inline constexpr std::string_view kEmailLine = "E-mail: support@kestrum.example";

// The manual conversion dialog.
inline constexpr std::string_view kManualInstruction =
    "Please input the command line and output file extension:";
inline constexpr std::string_view kManualCommandFrame = "Command Line (no -i or output file):";
inline constexpr std::string_view kManualExtensionFrame = "Output File Extension (no \".\")";
inline constexpr std::string_view kManualInitialCommand =
    "-s 320x240 -r 14 -b 50k -ar 22050 -ab 56k -ac 1";
inline constexpr std::string_view kManualInitialExtension = "mov";
inline constexpr std::string_view kManualPreviewHeading =
    "The software will use the following (Read Only):";
inline constexpr std::string_view kManualHelpLines[] = {
    "-i = Input file (%1 it's the file selected)",
    "-s = Video size (Width x Height)",
    "-r = Video frame rate (Fps)",
    "-b = Video bitrate (b/s)",
    "-ar = Audio sample rate (Hz)",
    "-ab = Audio bitrate (b/s)",
    "-ac = Audio channels (1 mono, 2 stereo)",
    "%1.xxx = Output file (.xxx the format to convert!)",
};

// The progress window.
inline constexpr std::string_view kConverting = "Converting";
inline constexpr std::string_view kTimeElapsed = "Time elapsed: ";
inline constexpr std::string_view kTimeEstimated = "Time estimated: ";
inline constexpr std::string_view kNoTimeYet = "00:00";
inline constexpr std::string_view kStop = "Stop";

// The vendor's pages, opened in the web browser, and the vendor's address as
// the windows show it. The reserved .example domain stands in for the real
// addresses until they exist.
inline constexpr std::string_view kHomePageUrl =
    "https://www.kestrum.example/zude-ridaz-avovozozi/";
inline constexpr std::string_view kDonateUrl = "https://www.kestrum.example/donate/";
inline constexpr std::string_view kVendorSiteUrl = "https://www.kestrum.example/";
inline constexpr std::string_view kUpdatePageUrl =
    "https://www.kestrum.example/zude-ridaz-avovozozi/update/";
inline constexpr std::string_view kVendorAddress = "www.kestrum.example";

}  // namespace kestrum::texts
