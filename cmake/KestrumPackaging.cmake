# The package's identity, taken from the texts the program shows (vendor,
# support address, home page, build date), and the Debian package CPack makes
# of the installed files (scripts/package-debian).

# The About window's and the vendor's texts are the one place these are kept.
file(READ ${KESTRUM_SOURCE_ROOT}/app/core/string_table.h _kestrum_texts)
function(_kestrum_text_value variable pattern)
    string(REGEX MATCH "${pattern}" _match "${_kestrum_texts}")
    if(NOT _match)
        message(FATAL_ERROR "app/core/string_table.h: no text matches ${pattern}")
    endif()
    set(${variable} ${CMAKE_MATCH_1} PARENT_SCOPE)
endfunction()
_kestrum_text_value(KESTRUM_VENDOR "kNoticeLine = \"Copyright \\(C\\) [0-9-]+ ([^\"]+)\"")
_kestrum_text_value(KESTRUM_COPYRIGHT_YEARS "kNoticeLine = \"Copyright \\(C\\) ([0-9-]+) ")
_kestrum_text_value(KESTRUM_SUPPORT_ADDRESS "kEmailLine = \"E-mail: ([^\"]+)\"")
_kestrum_text_value(KESTRUM_HOMEPAGE "kHomePageUrl =[ \n]*\"([^\"]+)\"")
_kestrum_text_value(_kestrum_build "kVersionLine = \"Version: [0-9.]+ +Build ([0-9]+)\"")
string(REGEX REPLACE "^(....)(..)(..)$" "\\1-\\2-\\3" KESTRUM_RELEASE_DATE ${_kestrum_build})

# kestrum_add_gzipped(TARGET FILE...): FILE.gz beside each FILE of the build
# tree, compressed as Debian installs manual pages and change logs, made by
# TARGET; their paths are returned in TARGET_FILES.
function(kestrum_add_gzipped target)
    find_program(GZIP_EXECUTABLE gzip REQUIRED)
    set(_compressed)
    foreach(file ${ARGN})
        add_custom_command(
            OUTPUT ${file}.gz
            COMMAND ${GZIP_EXECUTABLE} -9 --no-name --force --keep ${file}
            DEPENDS ${file}
            VERBATIM)
        list(APPEND _compressed ${file}.gz)
    endforeach()
    add_custom_target(${target} ALL DEPENDS ${_compressed})
    set(${target}_FILES ${_compressed} PARENT_SCOPE)
endfunction()

set(KESTRUM_PACKAGE_NAME kestrum-video-converter)
# The AppStream component: the home page's domain, reversed, and the product.
set(KESTRUM_APPSTREAM_ID example.kestrum.ZudeRidazAvovozozi)

set(CPACK_PACKAGE_NAME ${KESTRUM_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR ${KESTRUM_VENDOR})
set(CPACK_PACKAGE_CONTACT "${KESTRUM_VENDOR} <${KESTRUM_SUPPORT_ADDRESS}>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop video and audio converter driving ffmpeg")
# Lines of at most 80 columns; an empty line starts a new paragraph.
set(CPACK_PACKAGE_DESCRIPTION [[
Kestrum Zude Ridaz Avovozozi turns a pile of clips into files that a
player, phone, game console or disc accepts. Pick one of 103 output
profiles in 25 groups (general audio and video formats, and presets for
devices and disc formats), an output folder, and the files: each file is
converted by one run of the installed ffmpeg, and a progress window shows
the file, its place in the batch, the elapsed and the estimated time.

kestrum-convert runs the same conversions from the command line,
kestrum-skinpack builds and lists the skin files of the skinned controls,
and kestrum-skin-gallery draws every skinned control and window to PNG
files.]])
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KESTRUM_HOMEPAGE})
# The libraries the programs link come from dpkg-shlibdeps. The encoder is
# started by name and the windows are laid out for the program's font, DejaVu
# Sans Condensed; neither shows in the binaries, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "ffmpeg, fonts-dejavu-extra")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
