#pragma once
// Where a window's page file lives. Every running viewer has a folder of its own, made for it
// alone (0700) and holding Temp.htm, so that two windows never show, copy or print each
// other's page, nor delete it when they close. The folder lies in the user's runtime folder
// ($XDG_RUNTIME_DIR, private and emptied at logout) when there is one; else beside the
// executable, as the page file always was, unless that folder cannot be written or the program
// is installed (its data folder share/ulnik beside it): then in the user's application data
// folder, so that root never litters the system's bin folder.
#include <QString>

// The folder the run's own folder is made in, when there is no runtime folder.
QString PageFileHome(const QString& executableFolder);

class PageFileFolder {
public:
    explicit PageFileFolder(const QString& executableFolder);
    // The page file and the folder go with it.
    ~PageFileFolder();
    PageFileFolder(const PageFileFolder&) = delete;
    PageFileFolder& operator=(const PageFileFolder&) = delete;

    QString PageFile() const;
    // Deletes the page file (whatever stands under its name), if it is there.
    void RemovePage() const;
    // The same, and the folder.
    void Remove() const;

private:
    QString folder_;
};
