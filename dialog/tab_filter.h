#pragma once
// The program uses Tab for one thing only: moving the message dialog's highlight. An event
// filter on the whole application turns every Tab key into key 0 with TabPressed set, so
// Tab moves the keyboard focus nowhere, in any window.
#include <QObject>

class TabFilter : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool substituting_ = false;
};

// Installs the filter on the application once; later calls do nothing.
void InstallTabFilter();
