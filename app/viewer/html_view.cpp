#include "html_view.h"

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
