#include "copy_all.h"

#include <stdexcept>
#include <string>

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

#include "clipboard_html.h"
#include "print_messages.h"

namespace {

// Chromium copies from its renderer, so the clipboard changes a moment after the command.
constexpr int kCopyWaitMs = 3000;

[[noreturn]] void Fail(std::string_view message) { throw std::runtime_error(std::string(message)); }

bool CopyAndWait(QWebEnginePage& page) {
    QEventLoop loop;
    bool changed = false;
    const auto connection = QObject::connect(QApplication::clipboard(), &QClipboard::dataChanged, &loop,
                                             [&] {
                                                 changed = true;
                                                 loop.quit();
                                             });
    QTimer::singleShot(kCopyWaitMs, &loop, &QEventLoop::quit);
    page.triggerAction(QWebEnginePage::Copy);
    if (!changed) loop.exec(QEventLoop::ExcludeUserInputEvents);
    QObject::disconnect(connection);
    return changed;
}

// Select All in a text field selects the field's text alone: the field gives up the focus first.
void LeaveTextField(QWebEnginePage& page) {
    QEventLoop loop;
    const QPointer<QEventLoop> waiting(&loop);
    QTimer::singleShot(kCopyWaitMs, &loop, &QEventLoop::quit);
    page.runJavaScript(QStringLiteral("if (document.activeElement) document.activeElement.blur();"),
                       QWebEngineScript::ApplicationWorld, [waiting](const QVariant&) {
                           if (waiting) waiting->quit();
                       });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

// Runs `copy` with the focus on the view, and gives the focus back to whoever held it.
template <typename Copy>
void WithViewFocused(QWebEngineView* view, Copy copy) {
    if (!view || !view->page() || view->url().isEmpty()) Fail(print_messages::kNoPageToCopy);
    const QPointer<QWidget> before = QApplication::focusWidget();
    view->setFocus(Qt::OtherFocusReason);
    if (!view->hasFocus()) Fail(print_messages::kCopyNoFocus);
    const bool copied = copy(*view->page());
    if (before && before != view && !view->isAncestorOf(before)) before->setFocus(Qt::OtherFocusReason);
    if (!copied) Fail(print_messages::kCopyFailed);
    MakeClipboardSafe();
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

void CopyAll(QWebEngineView* view) {
    WithViewFocused(view, [](QWebEnginePage& page) {
        LeaveTextField(page);
        page.triggerAction(QWebEnginePage::SelectAll);
        const bool copied = CopyAndWait(page);
        // Cleared even after a failed copy: a stray selection helps nobody.
        page.triggerAction(QWebEnginePage::Unselect);
        return copied;
    });
}

void CopySelectionOrAll(QWebEngineView* view) {
    if (!view || !view->page() || !view->page()->hasSelection()) return CopyAll(view);
    WithViewFocused(view, [](QWebEnginePage& page) { return CopyAndWait(page); });
}
