#include "choose_dialogs.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>

namespace {

constexpr auto kOpenTitle = "Wska\u017c plik";
constexpr auto kOpenFilter = "Pliki sprawozda\u0144 (*.xml)";
constexpr auto kFolderTitle = "Wska\u017c folder";

QString FromFileSystem(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

}  // namespace

QString ChooseReport(QWidget* parent, const std::string& lastReport)
{
    QFileDialog dialog(parent, QString::fromUtf8(kOpenTitle));
    dialog.setNameFilter(QString::fromUtf8(kOpenFilter));
    dialog.setDefaultSuffix(QStringLiteral("xml"));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setSizeGripEnabled(true);
    if (!lastReport.empty())
        dialog.selectFile(FromFileSystem(lastReport));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString ChooseFolder(QWidget* parent, const std::string& lastFolder)
{
    const QString start = lastFolder.empty() ? QCoreApplication::applicationDirPath() : FromFileSystem(lastFolder);
    return QFileDialog::getExistingDirectory(parent, QString::fromUtf8(kFolderTitle), start);
}
