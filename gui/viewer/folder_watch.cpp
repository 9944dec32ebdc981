#include "folder_watch.h"

#include <QDir>
#include <QFileInfo>

FolderWatch::FolderWatch(QObject* parent) : QObject(parent)
{
    quiet_.setSingleShot(true);
    quiet_.setInterval(kQuietMs);
    connect(&quiet_, &QTimer::timeout, this, &FolderWatch::Quiet);
    lookForFolder_.setInterval(kLookForFolderMs);
    connect(&lookForFolder_, &QTimer::timeout, this, &FolderWatch::LookForFolder);
}

void FolderWatch::Watch(const QString& folder)
{
    Stop();
    folder_ = folder;
    // A fresh watcher each time: it forgets the files that are gone, and its queued news of
    // the folder watched before dies with it.
    watcher_ = new QFileSystemWatcher(this);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &FolderWatch::Touched);
    // A report copied over another changes no entry of the folder, only the file.
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, &FolderWatch::Touched);
    // The system forgets a folder that is deleted, and never tells of one made again.
    if (!watcher_->addPath(folder))
        return lookForFolder_.start();
    QStringList files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.xml")}, QDir::Files | QDir::Hidden | QDir::System))
        files << dir.filePath(name);
    if (!files.isEmpty())
        watcher_->addPaths(files);
}

void FolderWatch::Stop()
{
    quiet_.stop();
    lookForFolder_.stop();
    missed_ = false;
    folder_.clear();
    delete watcher_;
    watcher_ = nullptr;
}

void FolderWatch::SetPaused(bool paused)
{
    paused_ = paused;
    if (!paused_ && std::exchange(missed_, false))
        emit Changed();
}

void FolderWatch::Touched()
{
    if (!QFileInfo(folder_).isDir())
        lookForFolder_.start();
    quiet_.start();
}

void FolderWatch::Quiet()
{
    if (paused_)
        missed_ = true;
    else
        emit Changed();
}

void FolderWatch::LookForFolder()
{
    if (!QFileInfo(folder_).isDir())
        return;
    lookForFolder_.stop();
    Watch(QString(folder_));
    Quiet();
}
