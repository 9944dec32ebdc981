#include "html_view.h"

#include <memory>
#include <utility>

#include <QMouseEvent>

HtmlView::HtmlView(QWidget* parent)
    : QWebEngineView(parent),
      page_(new ReportPage(this))
{
    setPage(page_);
    // Files dropped on the view belong to the window under it.
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(page_, &ReportPage::DocumentComplete, this, &HtmlView::DocumentComplete);
    connect(page_, &ReportPage::Failed, this, &HtmlView::Failed);
}

void HtmlView::Navigate(const QString& path)
{
    page_->LoadFile(path);
    // The render widget comes and goes with the render process: the page watches whichever is there.
    if (QWidget* proxy = focusProxy())
    {
        proxy->installEventFilter(page_);
        proxy->installEventFilter(this);
    }
}

bool HtmlView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton && press->modifiers() == Qt::NoModifier)
            emit LeftPressed(press->position().toPoint());
    }
    return QWebEngineView::eventFilter(watched, event);
}

void HtmlView::NavigateThen(const QString& path, std::function<void(bool shown)> done)
{
    // Whichever comes first answers; the other is let go.
    auto answered = std::make_shared<bool>(false);
    auto answer = [answered, done](bool shown) {
        if (!std::exchange(*answered, true))
            done(shown);
    };
    connect(this, &HtmlView::DocumentComplete, this, answer, Qt::SingleShotConnection);
    connect(this, &HtmlView::Failed, this, [answer](PageFailure) { answer(false); }, Qt::SingleShotConnection);
    Navigate(path);
}
