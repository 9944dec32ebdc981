#pragma once
// The main window: a borderless, picture-skinned face with hot areas over its drawn buttons and
// the web view in the middle. It is the Shell of the pipeline: messages go to the skinned
// dialog, pages to the view.
#include <QPoint>
#include <QWidget>

#include <functional>
#include <memory>

#include "folder_summary.h"
#include "program_state.h"
#include "qt_locale.h"
#include "report_opener.h"
#include "shell.h"

class HelpWindow;
class HotLabel;
class HtmlView;
class PagePrinter;

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

    // A report file is opened, a folder listed. True when its page was written and shown.
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

signals:
    // The view finished loading a page and its border is gone.
    void DocumentComplete(bool ok);

protected:
    void showEvent(QShowEvent* event) override;
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
    bool ListFolder(const QString& folder);
    bool ReportOpened(ReportOutcome outcome);
    void CopyAll();
    void OpenHelpFile();
    void WebBrowserDocumentComplete(bool ok);

    void ImTloMouseDown(QPoint screenPos);
    void ImTloMouseMove(QPoint screenPos);
    void ImTloMouseUp();

    ProgramState state_;
    QtLocale locale_;
    ReportOpener opener_;
    FolderLister lister_;
    MessageHandler messageHandler_;
    bool shown_ = false;
    bool DragActive = false;
    QPoint DragLastCursor;

    PagePrinter* printer_;
    HelpWindow* help_ = nullptr;
    QWidget* PPodTlo;
    HotLabel* ImTlo;
    QWidget* PPodWebbrowser;
    HtmlView* WebBrowser;
};
