#include "command_guard.h"

#include <QApplication>
#include <QMessageBox>

#include "utf8.h"

void ShowDefaultError(const std::exception_ptr& error)
{
    QString text = QStringLiteral("Nieznany błąd.");
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        // The program's own errors speak Windows-1250, like its messages.
        text = QString::fromStdString(AnsiToUtf8(e.what()));
    } catch (...) {
    }
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Ulnik"), text);
}
