#include "resource_image.h"

#include "jpeg_decoder.h"
#include "picture_scale.h"

#include <QFile>

// Q_INIT_RESOURCE has to be used outside any namespace; a static library's resources are
// otherwise dropped by the linker.
static void InitSkinResources()
{
    Q_INIT_RESOURCE(skin);
}

namespace {

// Resource names are plain words. Anything else (a path, "..") could reach other files in
// the program's resource tree, so it is simply not found.
bool IsPlainName(const QString& name)
{
    if (name.isEmpty())
        return false;
    for (const QChar c : name) {
        if (!((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'_'))
            return false;
    }
    return true;
}

} // namespace

ResourceNotFound::ResourceNotFound(const QString& name)
    : std::runtime_error("Resource " + name.toStdString() + " not found")
{
}

QImage LoadResourceImage(const QString& name)
{
    return LoadResourceImage(name, 1.0);
}

QImage LoadResourceImage(const QString& name, qreal devicePixelRatio)
{
    static const bool initialised = (InitSkinResources(), true);
    Q_UNUSED(initialised);

    const QString key = name.toLower();
    if (!IsPlainName(key))
        throw ResourceNotFound(name);
    const PictureScale& scale = PictureScaleFor(devicePixelRatio);
    QFile file(QStringLiteral(":/skin/") + ScaledPictureName(key, scale));
    if (!file.open(QIODevice::ReadOnly))
        throw ResourceNotFound(name);
    QImage image = DecodeJpeg(file.readAll());
    image.setDevicePixelRatio(scale.factor);
    return image;
}
