#pragma once
// Printing the page of a web view: at once on the default printer, after the printer dialog,
// in a print preview, or into a PDF file. Every route prints the same printout (printout.h):
// Chromium's vector PDF with the print options' margins and footer, sent to CUPS as it is.
// Everything runs from the event loop; no call waits for Chromium.
#include <functional>
#include <memory>
#include <string>

#include <QObject>
#include <QPointer>
#include <Qt>

#include "message_kinds.h"
#include "print_options.h"

class PrintoutMaker;
class QPrinter;
class QWebEnginePage;
class QWidget;

enum class PrintOutcome {
    Printed,    // handed to CUPS, or written to the file chosen in the dialog
    Cancelled,  // the printer dialog was cancelled
    Failed,     // reported with a message
    NoPrinter,  // the system has no printer: reported with a message
    NoPage,     // nothing shown yet: nothing done
};

class PagePrinter : public QObject {
    Q_OBJECT
public:
    // The viewer's ShowMessageBox; texts are Windows-1250.
    using ShowMessage = std::function<void(MessageStyle, MessageIcon, const std::string&)>;

    PagePrinter(QWebEnginePage* page, QWidget* parent, ShowMessage showMessage);
    ~PagePrinter() override;

    PrintOptions& Options() { return options_; }

    // A press on the print hot area (LDrukujMouseDown).
    void Press(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
               bool secondPressOfDoubleClick);
    // The default printer at once, or the printer dialog first. Ends in finished().
    void Print(bool showDialog);
    // A maximised print preview of exactly what Print would print.
    void Preview();
    // The printout on A4 into a PDF file; `done` gets false when it could not be made or written.
    void WritePdf(const QString& path, std::function<void(bool written)> done);

signals:
    void finished(PrintOutcome outcome);

private:
    struct PreviewState;

    void ResetPageLines();
    bool HasPage() const;
    void Say(std::string_view text);
    void Finish(PrintOutcome outcome);
    void PrintOn(std::shared_ptr<QPrinter> printer);
    void Deliver(QPrinter& printer, const QByteArray& printout);
    void OpenPreview(std::shared_ptr<QPrinter> printer, const QByteArray& printout);
    void PaintRequested(const std::shared_ptr<PreviewState>& state,
                        const std::shared_ptr<QPrinter>& printer);

    QPointer<QWebEnginePage> page_;
    QPointer<QWidget> parent_;
    ShowMessage showMessage_;
    PrintOptions options_;
    PrintoutMaker* maker_;
};
