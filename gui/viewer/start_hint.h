#pragma once
// What to do, in the empty view before the first page: drawn over the view, not as a page, so
// that nothing of it is printed, copied or listed. A drop on it is the window's, as anywhere.
#include <QLabel>

class StartHint : public QLabel {
public:
    // The same words stand in the browser edition's empty view.
    static constexpr const char* kText = "Otwórz sprawozdanie (Ctrl+O) albo upuść tu plik lub folder";

    // Over `area` of `parent`, until the first page has loaded.
    StartHint(QWidget* parent, QRect area);
};
