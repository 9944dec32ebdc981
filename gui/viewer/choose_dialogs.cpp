#include "choose_dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "viewer_settings.h"

namespace {

constexpr auto kOpenTitle = "Wskaż plik";
constexpr auto kOpenFilter = "Pliki sprawozdań (*.xml)";
constexpr auto kFolderTitle = "Wskaż folder";

QString FromFileSystem(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// The program's own folder is no place to look for reports, least of all once installed.
QString KeptFolder()
{
    const QString kept = ViewerSettings().value(QLatin1String(kLastFolderSetting)).toString();
    return !kept.isEmpty() && QFileInfo(kept).isDir() ? kept : QDir::homePath();
}

QString Keep(const QString& folder)
{
    if (!folder.isEmpty())
        ViewerSettings().setValue(QLatin1String(kLastFolderSetting), folder);
    return folder;
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
    else
        dialog.setDirectory(KeptFolder());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    Keep(QFileInfo(dialog.selectedFiles().constFirst()).absolutePath());
    return dialog.selectedFiles().constFirst();
}

QString ChooseFolder(QWidget* parent, const std::string& lastFolder)
{
    const QString start = lastFolder.empty() ? KeptFolder() : FromFileSystem(lastFolder);
    return Keep(QFileDialog::getExistingDirectory(parent, QString::fromUtf8(kFolderTitle), start));
}
