#pragma once
// The help as a web page of the program's own: the safety of the report page (no scripts, no
// fetches outside the help's folder), but its links are followed as long as they lead to
// another page of the help. A link elsewhere (a web site, an e-mail address) is handed to the
// desktop and never loaded here.
#include <QString>

#include "safe_page.h"

class HelpPage : public SafePage {
    Q_OBJECT

public:
    explicit HelpPage(QObject* parent = nullptr);

    // Shows a page of the help; its folder is the help from now on.
    void ShowFile(const QString& path);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    bool InHelp(const QUrl& url) const;

    QString folder_;
};
