#include "screenshot.h"
#include "exit_codes.h"

#include "file_access.h"
#include "html_view.h"
#include "messages.h"
#include "paint_watch.h"
#include "shell.h"
#include "tfbrowser.h"
#include "viewer_messages.h"
#include "window_outline.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QTimer>
#include <QWindow>


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
    // The window has said why already.
    connect(&window_, &TFBrowser::PageFailed, this, [] { QCoreApplication::exit(kDamaged); });
    connect(&window_, &TFBrowser::DocumentComplete, this, &Screenshot::PageShown);
    before_ = Snapshot(window_.View());
    if (schoolPage_)
        return OpenSchoolPage(*schoolPage_);
    // The pipeline has said why, and the code is --pdf's for the same outcome.
    if (!window_.OpenPath(input_))
        return QCoreApplication::exit(ExitCodeOf(window_.LastOpened()));
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
        return Fail(viewer_messages::kPictureFailed);
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
    connect(watch, &PaintWatch::TimedOut, this, [this] { Fail(viewer_messages::kPictureFailed); });
    watch->Start(kPaintTimeoutMs);
}

void Screenshot::Save()
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!ShapedWindowPicture(window_).save(&buffer, "PNG"))
        return Fail(viewer_messages::kPictureFailed);
    const std::string output = QFile::encodeName(output_).toStdString();
    try {
        WriteFileReplacing(output, std::string_view(png.constData(), png.size()));
    } catch (const FileWriteError& error) {
        return Fail(messages::CannotWrite(output, error.reason()));
    }
    QCoreApplication::exit(exitCode_);
}

// Said as --pdf says its failures, with its code for a page not made or not written.
void Screenshot::Fail(const AnsiText& why)
{
    messages_.ShowMessageBox(StyleZamknij, IconInformacja, why);
    QCoreApplication::exit(kDamaged);
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
