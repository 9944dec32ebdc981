#include "copy_all.h"

#include <stdexcept>
#include <string>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

#include "clipboard_html.h"
#include "print_messages.h"

namespace {

// How long Chromium may take to put the copy on the clipboard.
constexpr int kCopyWaitMs = 3000;

[[noreturn]] void Fail(std::string_view message) { throw std::runtime_error(std::string(message)); }

// One copy under way: it lives with the view, and goes when it has ended.
class PageCopy : public QObject {
public:
    enum class What { Everything, Selection };

    PageCopy(QWebEngineView* view, What what, CopyDone done)
        : QObject(view), view_(view), what_(what), done_(std::move(done)), before_(QApplication::focusWidget()) {
        deadline_.setSingleShot(true);
        deadline_.setInterval(kCopyWaitMs);
        connect(&deadline_, &QTimer::timeout, this, [this] { End(false); });
    }

    // The view's edit actions need its focus, which comes only once its window is active: a
    // window the desktop has not activated yet is asked to be, and waited for.
    void Start() {
        view_->window()->activateWindow();
        view_->setFocus(Qt::OtherFocusReason);
        if (view_->hasFocus()) return Focused();
        failure_ = print_messages::kCopyNoFocus;
        deadline_.start();
        connect(qApp, &QApplication::focusChanged, this, [this] {
            if (!view_->hasFocus()) return;
            disconnect(qApp, &QApplication::focusChanged, this, nullptr);
            failure_ = print_messages::kCopyFailed;
            Focused();
        });
    }

private:
    void Focused() {
        if (what_ == What::Selection) return Copy();
        // Select All in a text field selects the field's text alone: the field gives up the focus first.
        QPointer<PageCopy> self(this);
        deadline_.start();
        view_->page()->runJavaScript(QStringLiteral("if (document.activeElement) document.activeElement.blur();"),
                                     QWebEngineScript::ApplicationWorld, [self](const QVariant&) {
                                         if (self) self->Copy();
                                     });
    }

    void Copy() {
        if (what_ == What::Everything) view_->page()->triggerAction(QWebEnginePage::SelectAll);
        connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this] { End(true); });
        deadline_.start();
        view_->page()->triggerAction(QWebEnginePage::Copy);
    }

    void End(bool copied) {
        if (std::exchange(ended_, true)) return;
        deadline_.stop();
        disconnect(QApplication::clipboard(), nullptr, this, nullptr);
        disconnect(qApp, nullptr, this, nullptr);
        // Cleared even after a failed copy: a stray selection helps nobody.
        if (what_ == What::Everything) view_->page()->triggerAction(QWebEnginePage::Unselect);
        if (before_ && before_ != view_ && !view_->isAncestorOf(before_)) before_->setFocus(Qt::OtherFocusReason);
        if (copied) MakeClipboardSafe();
        deleteLater();
        if (done_) done_(copied ? std::string() : std::string(failure_));
    }

    QWebEngineView* view_;
    What what_;
    CopyDone done_;
    QPointer<QWidget> before_;
    std::string_view failure_ = print_messages::kCopyFailed;  // told if the deadline passes
    QTimer deadline_;
    bool ended_ = false;
};

void StartCopy(QWebEngineView* view, PageCopy::What what, CopyDone done) {
    if (!view || !view->page() || view->url().isEmpty()) Fail(print_messages::kNoPageToCopy);
    (new PageCopy(view, what, std::move(done)))->Start();
}

}  // namespace

void MakeClipboardSafe() {
    QClipboard* clipboard = QApplication::clipboard();
    const QMimeData* copied = clipboard->mimeData();
    if (!copied || !copied->hasHtml()) return;
    auto* safe = new QMimeData;
    if (copied->hasText()) safe->setText(copied->text());
    safe->setHtml(QString::fromStdString(SafeClipboardHtml(copied->html().toStdString())));
    clipboard->setMimeData(safe);
}

void CopyAll(QWebEngineView* view, CopyDone done) { StartCopy(view, PageCopy::What::Everything, std::move(done)); }

void CopySelectionOrAll(QWebEngineView* view, CopyDone done) {
    const bool selected = view && view->page() && view->page()->hasSelection();
    StartCopy(view, selected ? PageCopy::What::Selection : PageCopy::What::Everything, std::move(done));
}
