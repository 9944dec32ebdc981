#include "screenshot.h"
#include "exit_codes.h"

#include "file_access.h"
#include "html_view.h"
#include "messages.h"
#include "paint_watch.h"
#include "shell.h"
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

Screenshot::Screenshot(TFBrowser& window, Shell& messages, QString output, QString input,
                       std::optional<SchoolPageKind> schoolPage)
    : window_(window), messages_(messages), output_(std::move(output)), input_(std::move(input)),
      schoolPage_(schoolPage)
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
    if (schoolPage_)
        return OpenSchoolPage(*schoolPage_);
    if (!window_.OpenPath(input_))
        return Fail(QStringLiteral("the page could not be shown"));
}

// What the page could not take in is named as `ulnik --pdf` names it, and the picture is still
// taken: the page names them too.
void Screenshot::OpenSchoolPage(SchoolPageKind kind)
{
    const SchoolPageOutcome built = window_.OpenSchoolPage(kind, input_);
    exitCode_ = ExitCodeOf(built);
    if (built.outcome != ListOutcome::Shown) {
        // The reason has been told already.
        QCoreApplication::exit(exitCode_);
        return;
    }
    if (!built.leftOut.empty())
        messages_.ShowMessageBox(StyleZamknij, IconInformacja, messages::LeftOutFiles(built.leftOut));
}

void Screenshot::PageShown(bool ok)
{
    if (!ok)
        return Fail(QStringLiteral("the page did not load"));
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
    QCoreApplication::exit(exitCode_);
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
