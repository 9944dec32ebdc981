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

}  // namespace

void CopyAll(QWebEngineView* view) {
    if (!view || !view->page() || view->url().isEmpty()) Fail(print_messages::kNoPageToCopy);
    const QPointer<QWidget> before = QApplication::focusWidget();
    view->setFocus(Qt::OtherFocusReason);
    if (!view->hasFocus()) Fail(print_messages::kCopyNoFocus);

    QWebEnginePage& page = *view->page();
    page.triggerAction(QWebEnginePage::SelectAll);
    const bool copied = CopyAndWait(page);
    // Cleared and handed back even after a failed copy: a stray selection helps nobody.
    page.triggerAction(QWebEnginePage::Unselect);
    if (before && before != view && !view->isAncestorOf(before)) before->setFocus(Qt::OtherFocusReason);
    if (!copied) Fail(print_messages::kCopyFailed);
    MakeClipboardSafe();
}

void MakeClipboardSafe() {
    QClipboard* clipboard = QApplication::clipboard();
    const QMimeData* copied = clipboard->mimeData();
    if (!copied || !copied->hasHtml()) return;
    auto* safe = new QMimeData;
    if (copied->hasText()) safe->setText(copied->text());
    safe->setHtml(QString::fromStdString(SafeClipboardHtml(copied->html().toStdString())));
    clipboard->setMimeData(safe);
}
