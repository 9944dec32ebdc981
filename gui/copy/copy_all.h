#pragma once
// The copy commands: the whole page, as text and HTML, onto the clipboard, and nothing left
// selected; or, for Ctrl+C, what the user selected, which stays selected. The view's edit
// actions work only while it has the focus, so it gets the focus for the command and hands it
// back afterwards. Chromium copies from its render process: a copy is started here and ends
// from the event loop, never waited for.
#include <functional>
#include <string>

class QWebEngineView;

// Told once how a copy ended: an empty text when the page is on the clipboard, else the
// Windows-1250 message of what failed.
using CopyDone = std::function<void(const std::string& failure)>;

// With no page to copy nothing starts: std::runtime_error with the message, for the default
// error display.
void CopyAll(QWebEngineView* view, CopyDone done);
// The selection when the page has one, else the whole page as CopyAll.
void CopySelectionOrAll(QWebEngineView* view, CopyDone done);
// Rewrites the HTML on the clipboard without references to other resources (clipboard_html.h),
// keeping the plain text as it is: what a copy of the page leaves must be safe to paste.
void MakeClipboardSafe();
