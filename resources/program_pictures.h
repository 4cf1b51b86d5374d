#pragma once

#include <QImage>

namespace kestrum::pictures {

// The pictures of the windows, all our own (drawn by resources/artwork).
// Load them by these names with ProgramPicture, and the two JPEG banners
// with LoadJpegPicture.
inline constexpr char kMainBanner[] = ":/pictures/MAIN_BANNER";        // 405 x 50 JPEG
inline constexpr char kAboutBanner[] = ":/pictures/ABOUT_BANNER";      // 360 x 50 JPEG
inline constexpr char kProgramEmblem[] = ":/pictures/PROGRAM_EMBLEM";  // 32 x 32, alpha
inline constexpr char kUpdateIcon[] = ":/pictures/UPDATE_ICON";        // 16 x 16, alpha
// The hover image that opens the Advanced menu: Picture and NoFocusedPicture
// take kAdvancedIcon, FocusedPicture kAdvancedIconHover (32 x 32, alpha).
inline constexpr char kAdvancedIcon[] = ":/pictures/ADVANCED_ICON";
inline constexpr char kAdvancedIconHover[] = ":/pictures/ADVANCED_ICON_HOVER";
inline constexpr char kConvertPicture[] = ":/pictures/CONVERT_PICTURE";  // 32 x 32, alpha
// The progress window's own bar picture: 6 x 10, 256-colour palette.
inline constexpr char kConvertProgressFill[] = ":/pictures/CONVERT_PROGRESS_FILL";
inline constexpr char kProgramIcon48[] = ":/icons/kestrum-48.png";
inline constexpr char kProgramIcon256[] = ":/icons/kestrum-256.png";

// Every picture above but the two banners (JPEG, decoded with libjpeg), and
// every skin bitmap, is a PNG.

// Registers the pictures compiled into the UI library. Every loader of ours
// calls it; call it once yourself before loading a picture by name elsewhere.
void InitProgramPictures();

// The picture of one of the names above, the pictures registered first.
QImage ProgramPicture(const char* name);

// A PNG picture from the resources, decoded by Qt's own reader. The resource
// names have no suffix, and a reader left to guess the format, even with the
// format named, loads every image format plugin to ask each one.
QImage ReadPngPicture(const QString& name);

}  // namespace kestrum::pictures
