#pragma once

#include <QByteArray>
#include <QImage>

namespace kestrum {

// Decodes JPEG data with libjpeg, the program's one declared dependency for
// pictures. Greyscale pictures come out as RGB too. A null image when the
// data is not a JPEG that libjpeg can decode; nothing is reported.
QImage DecodeJpeg(const QByteArray& data);

// A JPEG picture compiled into the program, by its resource name (the
// banners of resources/program_pictures.h).
QImage LoadJpegPicture(const char* resourceName);

}  // namespace kestrum
