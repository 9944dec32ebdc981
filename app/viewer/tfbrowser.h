#pragma once
// The main window: a borderless, picture-skinned face with hot areas over its drawn buttons and
// the web view in the middle. It is the Shell of the pipeline: messages go to the skinned
// dialog, pages to the view.
#include <QPoint>
#include <QPointF>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

#include "folder_summary.h"
#include "program_state.h"
#include "qt_locale.h"
#include "report_opener.h"
#include "report_page.h"
#include "shell.h"

class FolderProgressDialog;
class HelpWindow;
class HotLabel;
class HtmlView;
class ListPage;
class PagePrinter;
class PageZoom;

class TFBrowser : public QWidget, public Shell {
    Q_OBJECT

public:
    explicit TFBrowser(QWidget* parent = nullptr);
    ~TFBrowser() override;

    MessageChoice ShowMessageBox(MessageStyle style, MessageIcon icon, const std::string& text) override;
    void Navigate(const std::string& path) override;

    // Messages go here instead of the dialog (a run without anyone to answer it).
    using MessageHandler = std::function<void(MessageStyle, MessageIcon, const std::string&)>;
    void SetMessageHandler(MessageHandler handler) { messageHandler_ = std::move(handler); }

    // A report file is opened, a folder listed, as named on the command line (relative to the
    // working folder). True when its page was written and shown.
    bool OpenPath(const QString& path);

    HtmlView* View() const { return WebBrowser; }
    const ProgramState& State() const { return state_; }

    // The commands of the hot areas and keys.
    void LOpenClick();
    void LPonowClick();
    void LListaPlikowClick();
    void LCloseClick();
    void LMinimizeClick();
    void LCopiujClick();
    void LPomocClick();
    void LDrukujMouseDown(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, bool doubleClick);
    // Back from a report opened from the list to that list (Backspace, Alt+Left).
    void BackToList();

signals:
    // The view finished loading a page and its border is gone.
    void DocumentComplete(bool ok);
    // The page could not be shown (its render process kept dying, or it never loaded).
    void PageFailed();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateControls();
    void WireHotAreas();
    void WireKeys();
    void FormShow();
    void SetWindowShape();
    void CentreOnScreen();
    void DropFiles(const QList<QUrl>& urls);
    bool ListFolder(const QString& folder, ListMessages messages = ListMessages::Shown, QPointF scroll = {});
    bool ReportOpened(ReportOutcome outcome);
    QByteArray AllReportsPrintout();
    void OpenListEntry(int index);
    void RefreshList();
    void CopyAll();
    void OpenHelpFile();
    void WebBrowserDocumentComplete(bool ok);
    void WebBrowserFailed(PageFailure why);

    void ImTloMouseDown(QPoint screenPos);
    void ImTloMouseMove(QPoint screenPos);
    void ImTloMouseUp();

    ProgramState state_;
    QtLocale locale_;
    ReportOpener opener_;
    FolderLister lister_;
    MessageHandler messageHandler_;
    FolderProgressDialog* progress_ = nullptr;  // while a folder is being listed
    std::optional<XmlBreak> pendingBreak_;      // where the report being shown breaks off
    // The list a report was opened from, and where it was scrolled to.
    struct ListReturn {
        QString folder;
        QPointF scroll;
    };
    std::optional<ListReturn> returnTo_;
    bool shown_ = false;
    bool DragActive = false;
    QPoint DragLastCursor;

    PagePrinter* printer_;
    std::unique_ptr<HtmlView> printView_;  // prints every report of a list, unseen
    PageZoom* zoom_;
    ListPage* list_;
    HelpWindow* help_ = nullptr;
    QWidget* PPodTlo;
    HotLabel* ImTlo;
    QWidget* PPodWebbrowser;
    HtmlView* WebBrowser;
};
