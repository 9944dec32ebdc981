#pragma once
// The printer dialog, told how many pages the printout has, and on a list of reports able to
// print every report of it. Qt 6.4's own check of its "Pages"
// field refuses every entry (it hands the pages to CUPS and then finds none on the printer), so
// this dialog reads that field itself: the pages typed end up in the printer's page ranges, as
// the from-to fields' do, and are cut from the printout before it goes to the printer.
#include <QPageRanges>
#include <QPrintDialog>

class Shell;

class PageRangeDialog : public QPrintDialog {
    Q_OBJECT
public:
    PageRangeDialog(QPrinter* printer, int pages, Shell& shell, QWidget* parent = nullptr);
    void accept() override;
    void done(int result) override;

    // On a list of reports: a choice to print every report of it instead of the list.
    void OfferAllReports(int count);
    bool AllReportsChosen() const;

private:
    Shell& shell_;
    QPageRanges typed_;  // the pages of the "Pages" field, once accepted
    class QCheckBox* allReports_ = nullptr;
};

// "1-3, 5" as page ranges within 1..pages; empty when the text is not such a list.
QPageRanges ParsePageList(const QString& text, int pages);
