#pragma once
// Progress of a folder listing, shown only when the listing takes longer than a moment.
#include <QProgressDialog>

#include "folder_list.h"

class FolderProgressDialog : public FolderProgress {
public:
    explicit FolderProgressDialog(QWidget* parent);
    bool Advance(std::size_t done, std::size_t total) override;
    // Takes the window away before the listing has ended, for a message to take its place.
    void Close() { dialog_.reset(); dialog_.hide(); }

private:
    QProgressDialog dialog_;
};
