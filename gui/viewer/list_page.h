#pragma once
// The list of received reports while the view shows it: its entry lines can be clicked to open
// their reports, or walked with Tab and the arrows and opened with Enter, and screen readers see
// them as links; its scroll position is kept across a visit to a report and a refresh, and its
// folder is watched so that the list follows the reports that arrive or go. The page's own
// markup stays as it was written; the program's own scripts find the entries, wrap each in a
// span of theirs and mark the one the keys are on.
#include <QObject>
#include <QPointF>
#include <QString>

#include <optional>

#include "folder_watch.h"
#include "program_state.h"

#include "html_view.h"

class ListPage : public QObject {
    Q_OBJECT

public:
    ListPage(HtmlView* view, const ProgramState& state, QObject* parent = nullptr);

    // The list of this folder is being loaded into the view; it is scrolled to `scroll` once
    // it is there.
    void Showing(const QString& folder, QPointF scroll = {});
    // Something else has been written to the page file.
    void Left();
    bool Shown() const { return !watch_.Folder().isEmpty(); }
    const QString& Folder() const { return watch_.Folder(); }
    QPointF ScrollPosition() const;
    // The view has loaded a page.
    void PageLoaded();
    // Changes of the folder wait while it is paused (its reports being printed).
    void SetWatchPaused(bool paused);

signals:
    // The entry of FolderFiles[index] was asked for: clicked, its key pressed, or activated by
    // a screen reader.
    void EntryClicked(int index);
    // The listed folder's reports have changed.
    void FolderChanged();

private:
    void Pressed(QPoint pos);
    void KeyPressed(ListKey key);
    void Open(int index);

    HtmlView* view_;
    const ProgramState& state_;
    FolderWatch watch_;
    std::optional<QPointF> scrollTo_;
};
