#include "paint_watch.h"

namespace {
constexpr int kPollMs = 10;
}

PaintWatch::PaintWatch(QWidget* widget, QImage before, QObject* parent)
    : QObject(parent), widget_(widget), before_(std::move(before))
{
    poll_.setInterval(kPollMs);
    deadline_.setSingleShot(true);
    connect(&poll_, &QTimer::timeout, this, &PaintWatch::Look);
    connect(&deadline_, &QTimer::timeout, this, [this] {
        poll_.stop();
        emit TimedOut();
    });
}

void PaintWatch::Start(int timeoutMs)
{
    deadline_.start(timeoutMs);
    poll_.start();
    Look();
}

void PaintWatch::Look()
{
    if (!widget_ || !poll_.isActive())
        return;
    const QImage now = Snapshot(widget_);
    if (IsBlank(now) || now == before_)
        return;
    poll_.stop();
    deadline_.stop();
    emit Painted();
}

QImage Snapshot(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool IsBlank(const QImage& image)
{
    if (image.isNull())
        return true;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] != first)
                return false;
    }
    return true;
}
