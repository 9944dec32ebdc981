#include "warning_face.h"

#include <QPainter>

#include <cmath>

QImage GrownFace(const QImage& face, int growth)
{
    if (growth <= 0 || face.isNull())
        return face;
    const qreal scale = face.devicePixelRatio();
    const auto device = [scale](int logical) { return int(std::lround(logical * scale)); };
    const int bandTop = device(FaceBandTop);
    const int footTop = device(FaceFootTop);
    const int footHeight = face.height() - footTop;
    const int grownBand = footTop - bandTop + device(growth);

    // Painted pixel for pixel: a picture marked with its scale would be drawn at its logical size.
    QImage source = face;
    source.setDevicePixelRatio(1);
    QImage grown(face.width(), bandTop + grownBand + footHeight, QImage::Format_RGB32);
    QPainter painter(&grown);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QPoint(0, 0), source, QRect(0, 0, face.width(), bandTop));
    painter.drawImage(QRect(0, bandTop, face.width(), grownBand), source,
                      QRect(0, bandTop, face.width(), footTop - bandTop));
    painter.drawImage(QPoint(0, bandTop + grownBand), source, QRect(0, footTop, face.width(), footHeight));
    painter.end();
    grown.setDevicePixelRatio(scale);
    return grown;
}
