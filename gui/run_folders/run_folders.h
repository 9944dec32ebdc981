#pragma once
// The private folders a run of the viewer makes for its pages (the window's page file, the
// scratch page of `--pdf`). Pupils' data lies in them, so none may outlive its run: each holds
// the id of the process that made it, and a later start clears away the folders of runs that
// are gone — a run killed, crashed or cut off by a power cut. Only the user's own folders are
// touched, never one whose process still lives, and nothing is followed through a link. No Qt.
#include <string>
#include <string_view>

// Printing's scratch folders: Qt's temporary folders, named after the application ("Ulnik").
inline constexpr std::string_view kScratchFolderPrefix = "Ulnik-";

// Marks the folder as this process's, and takes the mark away again before the folder goes.
void MarkRunFolder(const std::string& folder);
void UnmarkRunFolder(const std::string& folder);

// Removes the folders in `parent` whose names begin with `prefix`, that belong to this user, and
// whose run is gone. Folders without a mark (or not ours) are left alone.
void RemoveStaleRunFolders(const std::string& parent, std::string_view prefix);
