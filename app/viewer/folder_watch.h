#pragma once
// Tells when the reports of a folder have changed: one added, replaced or removed. A report
// arrives in pieces as it is copied, so the news waits for a quiet moment: the list is read
// again once, from whole files.
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

class FolderWatch : public QObject {
    Q_OBJECT

public:
    static constexpr int kQuietMs = 500;

    explicit FolderWatch(QObject* parent = nullptr);

    // Watches the folder and the report files in it now; replaces what was watched before.
    void Watch(const QString& folder);
    void Stop();
    const QString& Folder() const { return folder_; }

signals:
    // The folder stayed quiet for kQuietMs after a change.
    void Changed();

private:
    void Touched();

    QFileSystemWatcher* watcher_ = nullptr;
    QString folder_;
    QTimer quiet_;
};
