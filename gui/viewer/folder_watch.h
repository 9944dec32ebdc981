#pragma once
// Tells when the reports of a folder have changed: one added, replaced or removed. A report
// arrives in pieces as it is copied, so the news waits for a quiet moment: the list is read
// again once, from whole files. A folder that goes away is looked for until it is back.
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

class FolderWatch : public QObject {
    Q_OBJECT

public:
    static constexpr int kQuietMs = 500;
    // How often a folder that is gone is looked for.
    static constexpr int kLookForFolderMs = 1000;

    explicit FolderWatch(QObject* parent = nullptr);

    // Watches the folder and the report files in it now; replaces what was watched before.
    void Watch(const QString& folder);
    void Stop();
    const QString& Folder() const { return folder_; }
    // While paused, changes are kept back; one Changed follows the resume if any came.
    void SetPaused(bool paused);

signals:
    // The folder stayed quiet for kQuietMs after a change.
    void Changed();

private:
    void Touched();
    void Quiet();
    void LookForFolder();

    QFileSystemWatcher* watcher_ = nullptr;
    QString folder_;
    QTimer quiet_;
    QTimer lookForFolder_;
    bool paused_ = false;
    bool missed_ = false;  // a change came while paused
};
