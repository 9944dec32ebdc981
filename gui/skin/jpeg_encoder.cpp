#include "jpeg_encoder.h"

#include <turbojpeg.h>

#include <memory>
#include <string>

QByteArray EncodeJpeg(const QImage& image, JpegKind kind, int quality)
{
    const std::unique_ptr<void, int (*)(tjhandle)> handle(tjInitCompress(), tjDestroy);
    if (!handle)
        throw std::runtime_error("JPEG encoder could not start");

    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    unsigned char* output = nullptr;
    unsigned long size = 0;
    int flags = TJFLAG_ACCURATEDCT;
    if (kind == JpegKind::Progressive)
        flags |= TJFLAG_PROGRESSIVE;
    if (tjCompress2(handle.get(), rgb.constBits(), rgb.width(), static_cast<int>(rgb.bytesPerLine()),
                    rgb.height(), TJPF_RGB, &output, &size, TJSAMP_444, quality, flags) != 0) {
        tjFree(output);
        throw std::runtime_error(std::string("JPEG encoding failed: ") + tjGetErrorStr2(handle.get()));
    }
    QByteArray bytes(reinterpret_cast<const char*>(output), static_cast<qsizetype>(size));
    tjFree(output);
    return bytes;
}
