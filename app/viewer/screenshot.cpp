#include "screenshot.h"

#include "file_access.h"
#include "html_view.h"
#include "paint_watch.h"
#include "tfbrowser.h"
#include "window_outline.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QTimer>
#include <QWindow>

#include <iostream>

namespace {
constexpr int kPaintTimeoutMs = 20000;
constexpr int kSettleMs = 100;
}

Screenshot::Screenshot(TFBrowser& window, QString output, QString input, std::optional<SchoolPageKind> schoolPage)
    : window_(window), output_(std::move(output)), input_(std::move(input)), schoolPage_(schoolPage)
{
}

void Screenshot::Begin()
{
    if (input_.isEmpty()) {
        QTimer::singleShot(kSettleMs, this, &Screenshot::Save);
        return;
    }
    connect(&window_, &TFBrowser::PageFailed, this, [this] { Fail(QStringLiteral("the page could not be shown")); });
    connect(&window_, &TFBrowser::DocumentComplete, this, &Screenshot::PageShown);
    before_ = Snapshot(window_.View());
    if (!window_.OpenPath(input_))
        return Fail(QStringLiteral("the page could not be shown"));
}

void Screenshot::PageShown(bool ok)
{
    if (!ok)
        return Fail(QStringLiteral("the page did not load"));
    // Its list first, painted, as the user sees it before asking for the school page over it:
    // a picture taken against a list not yet painted could be of the list.
    if (const std::optional<SchoolPageKind> kind = std::exchange(schoolPage_, std::nullopt))
        return WhenPainted([this, kind = *kind] {
            before_ = Snapshot(window_.View());
            if (!window_.OpenSchoolPage(kind))
                Fail(QStringLiteral("the page could not be shown"));
        });
    disconnect(&window_, &TFBrowser::DocumentComplete, this, &Screenshot::PageShown);
    WhenPainted([this] { Save(); });
}

void Screenshot::WhenPainted(std::function<void()> then)
{
    auto* watch = new PaintWatch(window_.View(), before_, this);
    connect(watch, &PaintWatch::Painted, this, [watch, then = std::move(then)] {
        watch->deleteLater();
        then();
    });
    connect(watch, &PaintWatch::TimedOut, this, [this] { Fail(QStringLiteral("the page was never painted")); });
    watch->Start(kPaintTimeoutMs);
}

void Screenshot::Save()
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!ShapedWindowPicture(window_).save(&buffer, "PNG"))
        return Fail(QStringLiteral("cannot make the picture"));
    try {
        WriteFileReplacing(QFile::encodeName(output_).toStdString(), std::string_view(png.constData(), png.size()));
    } catch (const FileWriteError& error) {
        return Fail(QString::fromLocal8Bit(error.what()));
    }
    QCoreApplication::exit(0);
}

void Screenshot::Fail(const QString& why)
{
    std::cerr << "ulnik: " << why.toStdString() << '\n';
    QCoreApplication::exit(2);
}

QImage ShapedWindowPicture(const QWidget& window)
{
    QImage picture = const_cast<QWidget&>(window).grab().toImage().convertToFormat(QImage::Format_ARGB32);
    if (window.mask().isEmpty())
        return picture;
    // The outline is in device pixels, as the picture's own pixels are.
    const qreal ratio = picture.devicePixelRatio();
    picture.setDevicePixelRatio(1);
    QImage shape(picture.size(), QImage::Format_ARGB32);
    shape.fill(Qt::transparent);
    QPainter shapePainter(&shape);
    shapePainter.setClipRegion(WindowOutline(ratio));
    shapePainter.fillRect(shape.rect(), Qt::white);
    shapePainter.end();
    QPainter painter(&picture);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.drawImage(0, 0, shape);
    painter.end();
    picture.setDevicePixelRatio(ratio);
    return picture;
}
