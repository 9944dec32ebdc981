#pragma once
// The skin pictures are JPEG files compiled into the program; both windows load them by name.
#include <QImage>
#include <QString>

#include <stdexcept>

// Raised when the program holds no picture of the asked name.
class ResourceNotFound : public std::runtime_error {
public:
    explicit ResourceNotFound(const QString& name);
};

// Decodes the picture stored under `name`, as drawn at 1x; the name matches without regard to
// case. Throws ResourceNotFound for an unknown name and JpegError for a damaged picture.
QImage LoadResourceImage(const QString& name);

// The same picture for a screen of `devicePixelRatio`: drawn at the scale PictureScaleFor
// chooses, and marked with that scale, so that it paints at the size of the 1x picture.
QImage LoadResourceImage(const QString& name, qreal devicePixelRatio);
