#include "html_view.h"

#include "local_file_interceptor.h"
#include "report_page.h"

#include <QAction>
#include <QChildEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTimer>
#include <QWebEngineScript>

#include <algorithm>

namespace {

constexpr auto kRemoveBodyBorder = "if (document.body) document.body.style.borderStyle = 'none';";

bool IsCtrlN(QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    return key->key() == Qt::Key_N && key->modifiers() == Qt::ControlModifier;
}

// A key the window has a command for is the window's, even while the page has the focus:
// Chromium claims the keys it edits with, Ctrl+C among them, and copies nothing when nothing
// is selected.
bool IsWindowKey(const QWidget* window, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(QKeyCombination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key())));
    const QList<QAction*> actions = window->actions();
    return std::any_of(actions.begin(), actions.end(), [&](const QAction* action) {
        return action->isEnabled() && action->shortcuts().contains(pressed);
    });
}

}  // namespace

HtmlView::HtmlView(QWidget* parent)
    : QWebEngineView(parent),
      interceptor_(nullptr),
      profile_(CreateReportProfile(this, &interceptor_)),
      page_(new ReportPage(profile_, this))
{
    setPage(page_);
    // Files dropped on the view belong to the window under it.
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(page_, &QWebEnginePage::loadFinished, this, &HtmlView::WebBrowserDocumentComplete);
    connect(page_, &QWebEnginePage::renderProcessTerminated, this, &HtmlView::RenderProcessTerminated);
}

HtmlView::~HtmlView()
{
    // The page has to go before its profile.
    delete page_;
}

void HtmlView::Navigate(const QString& path)
{
    interceptor_->SetAllowedFolder(QFileInfo(path).absolutePath());
    page_->LoadFile(path);
}

// The render widget comes and goes with the render process: each one is watched.
void HtmlView::childEvent(QChildEvent* event)
{
    QWebEngineView::childEvent(event);
    if (event->added() && event->child()->isWidgetType())
        event->child()->installEventFilter(this);
}

void HtmlView::WebBrowserDocumentComplete(bool ok)
{
    // The page's own scripts are off; the program's run in a world of their own.
    page_->runJavaScript(QString::fromLatin1(kRemoveBodyBorder), QWebEngineScript::ApplicationWorld,
                         [this, ok](const QVariant&) { emit DocumentComplete(ok); });
}

void HtmlView::RenderProcessTerminated(QWebEnginePage::RenderProcessTerminationStatus status)
{
    if (status == QWebEnginePage::NormalTerminationStatus)
        return;
    QTimer::singleShot(0, page_, &ReportPage::ReloadFile);
}

bool HtmlView::eventFilter(QObject* watched, QEvent* event)
{
    // Ctrl+N would ask for a new browser window.
    if (IsCtrlN(event)) {
        event->accept();
        return true;
    }
    // Ignored, it goes on to the window and then to the window's shortcuts.
    if (IsWindowKey(window(), event)) {
        event->ignore();
        return true;
    }
    return QWebEngineView::eventFilter(watched, event);
}
