#pragma once
// The standard dialogs that name what to open: a report (Otwórz) or a folder to list (Lista).
// Each gives an empty string when nothing was chosen. The folder of what was chosen is kept for
// the next run's dialogs; with none kept, they start in the user's home.
#include <QString>

#include <string>

class QWidget;

// A typed name for a file that does not exist is taken: the pipeline says what is wrong.
// The dialog starts at the report named last, when there is one.
QString ChooseReport(QWidget* parent, const std::string& lastReport);
// Starts in the folder listed last.
QString ChooseFolder(QWidget* parent, const std::string& lastFolder);
