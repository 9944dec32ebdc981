#include "help_window.h"

#include "help_page.h"
#include "local_file_interceptor.h"
#include "report_page.h"

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
    LocalFileInterceptor* interceptor = nullptr;
    profile_ = CreateReportProfile(this, &interceptor);
    page_ = new HelpPage(profile_, interceptor, this);
    setPage(page_);
    // Dropped files would be taken for a page to show; the help shows only itself.
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(page_, &QWebEnginePage::titleChanged, this, [this](const QString& title) {
        if (!title.isEmpty())
            setWindowTitle(title);
    });
}

HelpWindow::~HelpWindow()
{
    // The page has to go before its profile.
    delete page_;
}

void HelpWindow::ShowHelp(const QString& path)
{
    page_->ShowFile(path);
    show();
    raise();
    activateWindow();
}
