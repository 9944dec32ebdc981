#pragma once
// The copy commands: the whole page, as text and HTML, onto the clipboard, and nothing left
// selected; or, for Ctrl+C, what the user selected, which stays selected. The view's edit
// actions work only while it has the focus, so it gets the focus for the command and hands it
// back afterwards. A failing step raises std::runtime_error with a Windows-1250 message, for
// the default error display.
class QWebEngineView;

void CopyAll(QWebEngineView* view);
// The selection when the page has one, else the whole page as CopyAll.
void CopySelectionOrAll(QWebEngineView* view);
// Rewrites the HTML on the clipboard without references to other resources (clipboard_html.h),
// keeping the plain text as it is: what a copy of the page leaves must be safe to paste.
void MakeClipboardSafe();
