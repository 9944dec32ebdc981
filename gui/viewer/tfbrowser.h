#pragma once
// The main window: a borderless, picture-skinned face with hot areas over its drawn buttons and
// the web view in the middle. Every command is one of its actions, made from its row of the
// command table (command_table.h) and run by keys and hot areas alike; what the commands open
// and show is the workspace's.
#include <QWidget>

#include <map>
#include <memory>

#include "copy_all.h"
#include "dialog_shell.h"
#include "open_path.h"
#include "program_state.h"
#include "school_pages.h"
#include "window_face.h"
#include "window_commands.h"
#include "window_slot.h"

class HelpWindow;
class HtmlView;
class PagePrinter;
class PictureDrag;
class PageZoom;
class QAction;
class WindowNotice;
class Workspace;

class TFBrowser : public QWidget {
    Q_OBJECT

public:
    // Messages go to `messages` (a run with nobody to answer them), else to the skinned dialog.
    explicit TFBrowser(Shell* messages = nullptr, QWidget* parent = nullptr);
    ~TFBrowser() override;

    // A report file is opened, a folder listed, as named on the command line (relative to the
    // working folder). True when its page was written and shown.
    bool OpenPath(const QString& path);
    // What the last report or folder opened came to.
    const PathOpened& LastOpened() const;
    // A school page of the folder named on the command line, over no list.
    SchoolPageOutcome OpenSchoolPage(SchoolPageKind kind, const QString& folder);

    HtmlView* View() const { return WebBrowser; }
    const ProgramState& State() const;
    QAction* Action(WindowCommand command) const { return actions_.at(command); }

    // The commands, as the command table names them: those of the hot areas first.
    void LOpenClick();
    void LPonowClick();
    void LListaPlikowClick();
    void LCloseClick();
    void LMinimizeClick();
    void LCopiujClick();
    void LPomocClick();
    void PrintClick();
    void PreviewClick();
    void BackClick();
    void CombinedReportClick() { SchoolPageClick(SchoolPageKind::Combined); }
    void ClassificationSummaryClick() { SchoolPageClick(SchoolPageKind::Summary); }
    void FileCheckClick() { SchoolPageClick(SchoolPageKind::Check); }
    void ZoomInClick();
    void ZoomOutClick();
    void ZoomResetClick();
    // A school page of the folder whose list is shown; with none, of a folder asked for.
    void SchoolPageClick(SchoolPageKind kind);

signals:
    // The view finished loading a page and its border is gone.
    void DocumentComplete(bool ok);
    // The page could not be shown (its render process kept dying, or it never loaded).
    void PageFailed();

protected:
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void WireCommands();
    void TakeKeysBack();
    void PageMenu(QPoint pos);
    void FormShow();
    void CentreOnScreen();
    CopyDone CopyEnded();

    DialogShell dialogShell_;
    Shell& messages_;
    bool shown_ = false;
    std::map<WindowCommand, QAction*> actions_;

    WindowFace face_;
    HtmlView* WebBrowser;
    PagePrinter* printer_;
    Workspace* workspace_;
    PageZoom* zoom_;
    PictureDrag* drag_;
    WindowNotice* notice_;
    WindowSlot slot_;
    HelpWindow* help_ = nullptr;
};
