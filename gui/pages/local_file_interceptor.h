#pragma once
// A received report is untrusted and its values reach the page verbatim: the page may fetch
// nothing but the page file itself and local files lying beside it.
#include <QString>
#include <QWebEngineUrlRequestInterceptor>

class LocalFileInterceptor : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT

public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    // The folder whose files may be loaded; empty allows nothing.
    void SetAllowedFolder(const QString& folder);
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

    // For the tests: how many requests were refused.
    int BlockedCount() const { return blocked_; }

private:
    QString folder_;
    int blocked_ = 0;
};
