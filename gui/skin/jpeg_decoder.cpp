#include "jpeg_decoder.h"

#include <turbojpeg.h>

#include <memory>
#include <string>

namespace {

struct TjDeleter {
    void operator()(void* handle) const { tjDestroy(handle); }
};
using TjHandle = std::unique_ptr<void, TjDeleter>;

[[noreturn]] void Fail(void* handle)
{
    throw JpegError(std::string("JPEG decoding failed: ") + tjGetErrorStr2(handle));
}

} // namespace

QImage DecodeJpeg(const QByteArray& data)
{
    const TjHandle handle(tjInitDecompress());
    if (!handle)
        Fail(nullptr);

    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    const auto size = static_cast<unsigned long>(data.size());
    int width = 0, height = 0, subsampling = 0, colorspace = 0;
    if (tjDecompressHeader3(handle.get(), bytes, size, &width, &height, &subsampling, &colorspace) != 0)
        Fail(handle.get());

    QImage image(width, height, QImage::Format_RGB888);
    if (image.isNull())
        throw JpegError("JPEG decoding failed: picture too large");
    if (tjDecompress2(handle.get(), bytes, size, image.bits(), width,
                      static_cast<int>(image.bytesPerLine()), height, TJPF_RGB, TJFLAG_ACCURATEDCT) != 0)
        Fail(handle.get());
    return image;
}
