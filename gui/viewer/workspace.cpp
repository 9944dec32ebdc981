#include "workspace.h"

#include "file_access.h"
#include "folder_progress_dialog.h"
#include "html_view.h"
#include "list_page.h"
#include "load_warning.h"
#include "messages.h"
#include "page_printer.h"
#include "page_writer.h"
#include "utf8.h"
#include "viewer_messages.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QTimer>

namespace {

constexpr auto kFolderListJobTitle = "Lista otrzymanych sprawozdań";

std::string FileSystemPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString FromFileSystem(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

}  // namespace

QString SchoolPageName(SchoolPageKind kind)
{
    // Its title, as a name.
    QString name = QString::fromStdString(AnsiToUtf8(SchoolPageTitle(kind))).toLower();
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

Workspace::Workspace(HtmlView* view, PagePrinter* printer, Shell& messages, QWidget* window)
    : QObject(window),
      opener_(state_, *this, locale_, this),
      lister_(state_, *this, locale_, this),
      school_(state_, *this, locale_, this),
      pageFolder_(QCoreApplication::applicationDirPath()),
      view_(view),
      printer_(printer),
      messages_(messages),
      window_(window),
      list_(new ListPage(view, state_, this))
{
    state_.PageFilePath = FileSystemPath(pageFolder_.PageFile());
    // The page file holds pupils' names and grades: it goes however the program ends, a
    // logout too, which may end the program without a quit.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { pageFolder_.Remove(); });
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { pageFolder_.Remove(); });
    connect(view_, &HtmlView::DocumentComplete, this, &Workspace::PageLoaded);
    connect(view_, &HtmlView::Failed, this, &Workspace::PageFailedToShow);
    connect(list_, &ListPage::EntryClicked, this,
            [this](int index) { Exclusively([&] { OpenListEntry(index); }); });
    connect(list_, &ListPage::FolderChanged, this, &Workspace::RefreshList);
    // Printing every report of the list reads the files it was given; the list waits for it.
    connect(printer_, &PagePrinter::allReportsBusy, list_, &ListPage::SetWatchPaused);
}

Workspace::~Workspace() = default;

// --- the pipeline's shell ----------------------------------------------------------------------

MessageChoice Workspace::ShowMessageBox(MessageStyle style, MessageIcon icon, const AnsiText& text)
{
    // A modal progress window left over the message would take its clicks.
    if (progress_)
        progress_->Close();
    // A folder that cannot be listed can still be looked into file by file.
    if (offeringCheck_ && text.StartsWith(messages::kDamagedFolder)) {
        const MessageChoice answer =
            messages_.ShowMessageBox(StyleTakNieAnuluj, icon, text + viewer_messages::kOfferFileCheck);
        checkAccepted_ = answer == ChoiceTak;
        return ChoiceZamknij;
    }
    return messages_.ShowMessageBox(style, icon, text);
}

void Workspace::Navigate(const std::string& path)
{
    // Printouts already asked for print the page they were asked for.
    printer_->LoadAfterPrintouts([this, page = FromFileSystem(path)] { view_->Navigate(page); });
}

// --- opening -----------------------------------------------------------------------------------

bool Workspace::OpenPath(const QString& path)
{
    // Kept whole, so that the open and folder dialogs start in its folder, not wherever the
    // command line was typed.
    return Open(FileSystemPath(QFileInfo(path).absoluteFilePath()), Origin::Path);
}

void Workspace::OpenChosenReport(const QString& path)
{
    Open(FileSystemPath(path), Origin::Report);
}

void Workspace::ListChosenFolder(const QString& folder)
{
    Open(FileSystemPath(folder), Origin::Folder);
}

void Workspace::Drop(const QString& path)
{
    Open(FileSystemPath(path), Origin::Drop);
}

void Workspace::Retry()
{
    Open(state_.CurrentReportPath, Origin::Retried);
}

bool Workspace::Open(const std::string& path, Origin origin, QPointF listScroll)
{
    // Where the list was before anything else is loaded over it.
    const std::optional<ListReturn> from =
        list_->Shown() ? std::optional(ListReturn{list_->Folder(), list_->ScrollPosition()}) : std::nullopt;
    const PathOpened opened = Run(path, origin);
    lastOpened_ = opened;
    if (!opened.Shown()) {
        if (opened.folder && opened.list != ListOutcome::Cancelled && origin != Origin::Refreshed)
            ListFailed();
        if (std::exchange(checkAccepted_, false))
            BuildSchoolPage(SchoolPageKind::Check, path, std::nullopt);
        return false;
    }
    if (opened.folder)
        ListShown(FromFileSystem(path), listScroll);
    else
        ReportShown(origin, from);
    return true;
}

PathOpened Workspace::Run(const std::string& path, Origin origin)
{
    PathOpened opened;
    opened.folder = origin == Origin::Folder || origin == Origin::Refreshed;
    switch (origin) {
    case Origin::Retried: opened.report = opener_.Retry(); return opened;
    case Origin::Report: opened.report = opener_.OpenChosenFile(path); return opened;
    // Nothing pops up over the user's work for a listing the program started itself.
    case Origin::Refreshed: opened.list = lister_.ListReceivedReports(path, nullptr, ListMessages::Quiet); return opened;
    default: break;
    }
    FolderProgressDialog progress(window_);
    progress_ = &progress;
    offeringCheck_ = true;
    const auto done = qScopeGuard([this] {
        progress_ = nullptr;
        offeringCheck_ = false;
    });
    if (opened.folder)
        opened.list = lister_.ListReceivedReports(path, &progress);
    else
        opened = OpenReportOrFolder(opener_, lister_, path, origin == Origin::Drop ? NamedBy::Drop : NamedBy::Choice, &progress);
    return opened;
}

// A report opened over the list, from it or otherwise, leads back to it; a report retried
// keeps the way back it had.
void Workspace::ReportShown(Origin origin, const std::optional<ListReturn>& from)
{
    if (from)
        returnTo_ = from;
    else if (origin != Origin::Retried)
        returnTo_.reset();
    list_->Left();
    pendingBreak_ = opener_.LastBreak();
    printer_->SetAllReports({});
    printer_->SetCutOff(pendingBreak_.has_value());
    // Print jobs are named after what they print, so that they can be told apart in the queue.
    printer_->SetJobTitle(QFileInfo(FromFileSystem(state_.CurrentReportPath)).fileName());
}

void Workspace::ListShown(const QString& folder, QPointF scroll)
{
    returnTo_.reset();
    list_->Showing(folder, scroll);
    printer_->SetJobTitle(QString::fromUtf8(kFolderListJobTitle));
    printer_->SetCutOff(false);
    std::vector<ListedReport> reports;
    for (std::size_t i = 0; i < state_.FolderFiles.size(); ++i)
        reports.push_back({state_.FolderFiles[i], state_.FolderSummary[i]});
    printer_->SetAllReports(std::move(reports));
}

void Workspace::OpenListEntry(int index)
{
    const ListReturn from{list_->Folder(), list_->ScrollPosition()};
    const ReportOutcome outcome = opener_.OpenChosenFile(state_.FolderFiles.at(std::size_t(index)));
    if (outcome == ReportOutcome::Shown)
        return ReportShown(Origin::Report, from);
    // The page file still holds the list, shown again: back to where it was.
    if (outcome != ReportOutcome::Damaged)
        list_->Showing(from.folder, from.scroll);
}

void Workspace::BackToList()
{
    if (returnTo_ && !list_->Shown()) {
        const ListReturn back = *returnTo_;
        Open(FileSystemPath(back.folder), Origin::Folder, back.scroll);
    }
}

bool Workspace::ListShown() const
{
    return list_->Shown();
}

// The list of a folder the user named failed: the list before it may stay on screen, but it
// no longer stands for what the user is looking at, so nothing leads from it to its folder's
// reports or pages any more, nor back to it.
void Workspace::ListFailed()
{
    if (list_->Shown()) {
        list_->Left();
        listBeforeRefresh_.reset();
        printer_->SetAllReports({});
    }
    returnTo_.reset();
}

bool Workspace::OpenSchoolPage(SchoolPageKind kind)
{
    if (!list_->Shown())
        return false;
    const ListReturn from{list_->Folder(), list_->ScrollPosition()};
    return BuildSchoolPage(kind, FileSystemPath(from.folder), from).outcome == ListOutcome::Shown;
}

SchoolPageOutcome Workspace::OpenSchoolPageOf(SchoolPageKind kind, const QString& folder)
{
    // Kept whole, as a folder listed is, for the next folder dialog to start in.
    const std::string named = FileSystemPath(QFileInfo(folder).absoluteFilePath());
    const SchoolPageOutcome built = BuildSchoolPage(kind, named, std::nullopt);
    if (built.outcome != ListOutcome::NoFiles && built.outcome != ListOutcome::Unreadable)
        state_.LastFolder = named;
    return built;
}

// The school page stands over the list, when it came from one, as a report does: Back lists
// the folder again. The folder is not followed under it, so the page stays as it was built
// until the user leaves it.
SchoolPageOutcome Workspace::BuildSchoolPage(SchoolPageKind kind, const std::string& folder,
                                             const std::optional<ListReturn>& from)
{
    SchoolPageOutcome built;
    {
        FolderProgressDialog progress(window_);
        progress_ = &progress;
        const auto done = qScopeGuard([this] { progress_ = nullptr; });
        built = school_.Build(kind, folder, &progress);
    }
    // When it failed, the list stays, and what changed in its folder meanwhile shows after.
    if (built.outcome != ListOutcome::Shown)
        return built;
    returnTo_ = from;
    listBeforeRefresh_.reset();
    pendingBreak_.reset();
    list_->Left();
    printer_->SetAllReports({});
    printer_->SetCutOff(false);
    printer_->SetJobTitle(SchoolPageName(kind));
    return built;
}

// A listing the program starts itself never says anything: on any failure the last list stays
// (shown again if the new one cannot be), and the folder is still followed.
void Workspace::RefreshList()
{
    if (busy_) {
        refreshWhenIdle_ = true;
        return;
    }
    if (!list_->Shown())
        return;
    Exclusively([this] {
        const QString folder = list_->Folder();
        const QPointF scroll = list_->ScrollPosition();
        std::optional<std::string> shown;
        try {
            shown = ReadFileExclusive(state_.PageFilePath);
        } catch (const std::exception&) {
        }
        if (Open(FileSystemPath(folder), Origin::Refreshed, scroll))
            listBeforeRefresh_ = std::move(shown);
        else
            list_->Showing(folder, scroll);
    });
}

bool Workspace::Exclusively(const std::function<void()>& command)
{
    if (busy_)
        return false;
    {
        busy_ = true;
        const auto idle = qScopeGuard([this] { busy_ = false; });
        command();
    }
    if (std::exchange(refreshWhenIdle_, false))
        RefreshList();
    return true;
}

void Workspace::RestoreListAfterFailedRefresh()
{
    const std::string page = *std::exchange(listBeforeRefresh_, std::nullopt);
    try {
        WritePageFile(state_.PageFilePath, page);
        list_->Showing(list_->Folder(), {});
        Navigate(state_.PageFilePath);
    } catch (const std::exception&) {
    }
}

// --- the page's outcome ------------------------------------------------------------------------

void Workspace::PageLoaded(bool ok)
{
    listBeforeRefresh_.reset();
    if (ok)
        list_->PageLoaded();
    emit DocumentComplete(ok);
    // A report that breaks off shows only its beginning: say so once its page is up.
    if (ok && pendingBreak_)
        QTimer::singleShot(0, this, [this, where = *std::exchange(pendingBreak_, std::nullopt)] {
            ShowMessageBox(StyleZamknij, IconUwaga, IncompletePageNotice(where));
        });
}

void Workspace::PageFailedToShow(PageFailure why)
{
    pendingBreak_.reset();
    if (listBeforeRefresh_)
        return RestoreListAfterFailedRefresh();
    emit PageFailed();
    ShowMessageBox(StyleZamknij, IconUwaga,
                   why == PageFailure::Crashed ? viewer_messages::kPageCrashed : viewer_messages::kPageTimedOut);
}
