#include "help_window.h"

#include "help_page.h"

namespace {
constexpr QSize kHelpSize(760, 600);
}  // namespace

HelpWindow::HelpWindow(QWidget* owner)
    : QWebEngineView(owner)
{
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("FPomoc"));
    setWindowTitle(QStringLiteral("Ulnik \u2013 pomoc"));
    resize(kHelpSize);
    page_ = new HelpPage(this);
    setPage(page_);
    // Dropped files would be taken for a page to show; the help shows only itself.
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(page_, &QWebEnginePage::titleChanged, this, [this](const QString& title) {
        if (!title.isEmpty())
            setWindowTitle(title);
    });
}

void HelpWindow::ShowHelp(const QString& path)
{
    page_->ShowFile(path);
    show();
    raise();
    activateWindow();
}
