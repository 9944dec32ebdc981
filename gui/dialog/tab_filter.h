#pragma once
// The program uses Tab for one thing only: moving the message dialog's highlight. In its own
// windows, the main window with its web view and the message dialog, an event filter on the
// application turns every Tab key into a key-0 stand-in, so Tab moves the keyboard focus
// nowhere there. Every other window, Qt's file, folder, printer, preview and progress
// dialogs among them, keeps Tab for moving between its fields.
#include <QList>
#include <QObject>
#include <QPointer>

class QKeyEvent;
class QWidget;

class TabFilter : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Tab is taken from `window` and every widget in it from now on.
    void Cover(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Covers(QObject* receiver) const;

    QList<QPointer<QWidget>> windows_;
};

// Installs the filter on the application, once, and lets it take Tab from `window`'s window.
void InstallTabFilter(QWidget* window);

// True for the key-0 press a covered window gets in place of Tab or Shift+Tab; a key 0 of any
// other origin is no Tab.
bool IsTabStandIn(const QKeyEvent* event);
