#include "folder_watch.h"

#include <QDir>

FolderWatch::FolderWatch(QObject* parent) : QObject(parent)
{
    quiet_.setSingleShot(true);
    quiet_.setInterval(kQuietMs);
    connect(&quiet_, &QTimer::timeout, this, &FolderWatch::Changed);
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
    watcher_->addPath(folder);
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
    folder_.clear();
    delete watcher_;
    watcher_ = nullptr;
}

void FolderWatch::Touched()
{
    quiet_.start();
}
