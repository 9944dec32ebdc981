#pragma once
// What the window shows and where it leads: opening reports and folders (the pipeline), the
// list of a folder, the school's pages of the folder listed or named, and the way back to the list, the
// list following its folder, what the printer is told about the page shown (its job title, the
// list's reports), the page file of this window, and the messages of all that. The window only
// asks; the workspace never reaches back into it.
#include <QObject>
#include <QPointF>
#include <QString>

#include <functional>
#include <optional>
#include <string>

#include "folder_list.h"
#include "open_path.h"
#include "page_file_location.h"
#include "program_state.h"
#include "qt_locale.h"
#include "report_opener.h"
#include "report_page.h"
#include "school_pages.h"
#include "shell.h"

class FolderProgressDialog;
class HtmlView;
class ListPage;
class PagePrinter;
class QWidget;

// "Sprawozdanie zbiorcze": what the window calls the page, in its menu and its print jobs.
QString SchoolPageName(SchoolPageKind kind);

class Workspace : public QObject, private Shell, private PageNavigator {
    Q_OBJECT

public:
    // Messages go to `messages`; pages to `view`, once the printouts asked for have been made.
    // `window` is the parent of the listing's progress window.
    Workspace(HtmlView* view, PagePrinter* printer, Shell& messages, QWidget* window);
    ~Workspace() override;

    const ProgramState& State() const { return state_; }

    // Runs `command` unless another one is under way: a message, the progress window and the
    // printer's question each keep an event loop turning, in which a second command or the
    // folder's news would enter the pipeline on the same state. The folder's news wait for the
    // command's end; a second command is refused (false).
    bool Exclusively(const std::function<void()>& command);

    // A report or folder named on the command line (relative to the working folder). True when
    // its page was written and shown.
    bool OpenPath(const QString& path);
    // What the last report or folder opened came to, shown or not.
    const PathOpened& LastOpened() const { return lastOpened_; }
    // A report named in the open dialog, a folder chosen in the folder dialog, a drop.
    void OpenChosenReport(const QString& path);
    void ListChosenFolder(const QString& folder);
    void Drop(const QString& path);
    void Retry();
    // From a report or school page opened over the list back to that list, where it was
    // scrolled; nothing when it was opened over no list.
    void BackToList();
    // A list is shown and leads on: its entries open, and the school's pages are its folder's.
    // A list that was asked for and failed leaves the one before on screen, leading nowhere.
    bool ListShown() const;
    // A school page of the folder whose list is shown; nothing while no list is. True when its
    // page was written and shown.
    bool OpenSchoolPage(SchoolPageKind kind);
    // A school page of a folder named otherwise (its dialog, the command line): over no list,
    // so Back leads nowhere from it.
    SchoolPageOutcome OpenSchoolPageOf(SchoolPageKind kind, const QString& folder);
    // The window closes: its page goes (a quit takes it too, but a close may come first).
    void RemovePageFile() { pageFolder_.RemovePage(); }

signals:
    // The view finished loading a page and its border is gone.
    void DocumentComplete(bool ok);
    // The page could not be shown (its render process kept dying, or it never loaded).
    void PageFailed();

private:
    struct ListReturn {
        QString folder;
        QPointF scroll;
    };
    // How what is opened was named: a path that may be a report or a folder (the command line,
    // a drop), a report (the open dialog, where a folder typed is still a report to the
    // pipeline, which says what is wrong), a folder (the folder dialog, the way back), the
    // report named last, or the folder listed, read again by the program itself.
    enum class Origin { Path, Drop, Report, Folder, Retried, Refreshed };

    // Shell and PageNavigator, for the pipeline.
    MessageChoice ShowMessageBox(MessageStyle style, MessageIcon icon, const AnsiText& text) override;
    void Navigate(const std::string& path) override;

    bool Open(const std::string& path, Origin origin, QPointF listScroll = {});
    PathOpened Run(const std::string& path, Origin origin);
    void ReportShown(Origin origin, const std::optional<ListReturn>& from);
    void ListShown(const QString& folder, QPointF scroll);
    void OpenListEntry(int index);
    void RefreshList();
    void PageLoaded(bool ok);
    void PageFailedToShow(PageFailure why);
    void RestoreListAfterFailedRefresh();
    SchoolPageOutcome BuildSchoolPage(SchoolPageKind kind, const std::string& folder,
                                      const std::optional<ListReturn>& from);
    void ListFailed();

    ProgramState state_;
    QtLocale locale_;
    ReportOpener opener_;
    FolderLister lister_;
    SchoolPages school_;
    PageFileFolder pageFolder_;
    HtmlView* view_;
    PagePrinter* printer_;
    Shell& messages_;
    QWidget* window_;
    ListPage* list_;
    FolderProgressDialog* progress_ = nullptr;  // while a folder is being listed
    std::optional<XmlBreak> pendingBreak_;      // where the report being shown breaks off
    std::optional<ListReturn> returnTo_;        // the list a report was opened over
    // While a refreshed list loads: the list shown before it, shown again if the new one fails.
    std::optional<std::string> listBeforeRefresh_;
    // While a folder the user named is listed: its failure offers the check of its files,
    // and the answer is kept here until the listing is over.
    bool offeringCheck_ = false;
    bool checkAccepted_ = false;
    PathOpened lastOpened_;
    bool busy_ = false;              // a command is under way
    bool refreshWhenIdle_ = false;   // the listed folder changed meanwhile
};
