#include "app/ui/jpeg_picture.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>

#include "resources/program_pictures.h"

// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace kestrum {
namespace {

// libjpeg reports a fatal error by calling error_exit, which must not
// return: it jumps back to the decoding step below.
struct JumpingErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void JumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JumpingErrorManager*>(info->err)->jump, 1);
}

void Silent(j_common_ptr) {}

// Everything that can jump lives in this frame, which holds no object with a
// destructor; `image` belongs to the caller, so it stays sound after a jump.
bool DecodeInto(jpeg_decompress_struct& info, const unsigned char* bytes, unsigned long size,
                QImage& image) {
    auto& errors = *reinterpret_cast<JumpingErrorManager*>(info.err);
    if (setjmp(errors.jump) != 0) {
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGB888);
    if (image.isNull()) {
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& data) {
    if (data.isEmpty()) {
        return {};
    }
    jpeg_decompress_struct info{};
    JumpingErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpBack;
    errors.base.output_message = Silent;
    QImage image;
    const bool decoded = DecodeInto(info, reinterpret_cast<const unsigned char*>(data.constData()),
                                    static_cast<unsigned long>(data.size()), image);
    jpeg_destroy_decompress(&info);
    return decoded ? image.convertToFormat(QImage::Format_RGB32) : QImage();
}

QImage LoadJpegPicture(const char* resourceName) {
    pictures::InitProgramPictures();
    QFile file(resourceName);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return DecodeJpeg(file.readAll());
}

}  // namespace kestrum
