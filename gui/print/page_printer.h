#pragma once
// Printing the page of a web view: at once on the default printer, after the printer dialog,
// in a print preview, or into a PDF file. Every route prints the same printout (printout.h):
// Chromium's vector PDF with the print options' margins and footer, sent to CUPS as it is.
// Everything runs from the event loop; no call waits for Chromium or for CUPS.
#include <functional>
#include <memory>
#include <string>

#include <QObject>
#include <QPointer>
#include <QString>
#include <Qt>

#include "all_reports_printout.h"
#include "print_options.h"

class PrintoutMaker;
class QDialog;
class QPrinter;
class QWebEnginePage;
class QWidget;
class Shell;

enum class PrintOutcome {
    Printed,    // handed to CUPS, or written to the file chosen in the dialog
    Cancelled,  // the printer dialog, or the question before a long printout, said no
    Failed,     // reported with a message
    NoPrinter,  // the system has no printer: reported with a message
    NoPage,     // nothing shown yet: nothing done
};

// A direct print longer than this asks first: one stray report can make thousands of pages.
inline constexpr int kPagesPrintedWithoutAsking = 50;

class PagePrinter : public QObject {
    Q_OBJECT
public:
    // Messages go to the shell's message box.
    PagePrinter(QWebEnginePage* page, QWidget* parent, Shell& shell);
    ~PagePrinter() override;

    // The name the print queue shows for the jobs of the page shown now.
    void SetJobTitle(const QString& title) { jobTitle_ = title; }
    // On a list of reports, its reports, which the printer dialog offers to print all at once;
    // none when the page shown is no list. Kept as they are now: a list that changes while
    // they print changes nothing of the printout.
    void SetAllReports(std::vector<ListedReport> reports) { allReports_ = std::move(reports); }
    // The page shown now is of a report whose file breaks off: each of its printouts says so
    // beside every page number. Told with the page, as the job title is: what a printout
    // needs comes with the request for it, never from the window when it is printed.
    void SetCutOff(bool cutOff) { cutOff_ = cutOff; }
    // How long CUPS may take to accept a job before the print is given up as failed.
    void SetJobTimeLimit(int ms) { jobTimeLimitMs_ = ms; }

    // A press on the print hot area (LDrukujMouseDown).
    void Press(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
               bool secondPressOfDoubleClick);
    // The default printer at once, or the printer dialog first. Ends in finished().
    void Print(bool showDialog);
    // A maximised print preview of exactly what Print would print.
    void Preview();
    // The printout on A4 into a PDF file; `done` gets false when it could not be made or written.
    void WritePdf(const QString& path, std::function<void(bool written)> done);
    // Starts a new page's load when the printouts asked for so far have been made (see
    // PrintoutMaker::LoadAfterPrintouts).
    void LoadAfterPrintouts(std::function<void()> load);

signals:
    void finished(PrintOutcome outcome);
    // Pages went out: a short confirmation for the window to show, e.g. "Zapisano: raport.pdf".
    void delivered(const QString& notice);
    // Every report of a list is being printed (true), or is done with (false).
    void allReportsBusy(bool busy);

private:
    struct PreviewState;
    using PrinterPtr = std::shared_ptr<QPrinter>;

    bool HasPage() const;
    // The options of a printout of the page shown now.
    PrintOptions PageOptions() const;
    void Say(const AnsiText& text);
    void Finish(PrintOutcome outcome);
    void PrintAtOnce(const PrinterPtr& printer, const QByteArray& printout);
    void OpenPrintDialog(const PrinterPtr& printer, const QByteArray& printout);
    void MakeFor(const PrinterPtr& printer, std::function<void(const QByteArray&)> then);
    void Deliver(const PrinterPtr& printer, const QByteArray& printout, const QString& title = {});
    void SendToCups(const PrinterPtr& printer, std::string pages, const QString& title);
    void PrintAllReports(const PrinterPtr& printer);
    void AllReportsPrinted(const PrinterPtr& printer, const AllReportsResult& result);
    void OpenPreview(const PrinterPtr& printer, const QByteArray& printout);
    void FocusBackOnClose(QDialog* dialog);
    void PaintRequested(const std::shared_ptr<PreviewState>& state, const PrinterPtr& printer);

    QPointer<QWebEnginePage> page_;
    QPointer<QWidget> parent_;
    Shell& shell_;
    // Every printout has the page footer and an empty header, whatever the page asks.
    const PrintOptions options_;
    QString jobTitle_;
    bool cutOff_ = false;
    int jobTimeLimitMs_;
    std::vector<ListedReport> allReports_;
    std::unique_ptr<AllReportsPrintout> allReportsPrintout_;  // while they print
    PrintoutMaker* maker_;
};
