#include "command_guard.h"

#include <QApplication>
#include <QMessageBox>

void ShowDefaultError(const std::exception_ptr& error)
{
    QString text = QStringLiteral("Nieznany b\u0142\u0105d.");
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        text = QString::fromUtf8(e.what());
    } catch (...) {
    }
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Ulnik"), text);
}
