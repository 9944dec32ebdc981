#include "folder_progress_dialog.h"

#include <limits>

namespace {
constexpr int kShowAfterMs = 400;
}

FolderProgressDialog::FolderProgressDialog(QWidget* parent)
    : dialog_(QStringLiteral("Czytanie sprawozdań…"), QStringLiteral("Anuluj"), 0, 1, parent)
{
    dialog_.setWindowTitle(QStringLiteral("Ulnik"));
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(kShowAfterMs);
    dialog_.setAutoReset(false);
}

bool FolderProgressDialog::Advance(std::size_t done, std::size_t total)
{
    constexpr std::size_t kMax = std::numeric_limits<int>::max();
    dialog_.setMaximum(static_cast<int>(std::min(total, kMax)));
    // A modal progress dialog lets waiting events run here, the Anuluj button's among them.
    dialog_.setValue(static_cast<int>(std::min(done, kMax)));
    return !dialog_.wasCanceled();
}
