#include "page_range_dialog.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPageRanges>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>

#include "print_messages.h"
#include "shell.h"

QPageRanges ParsePageList(const QString& text, int pages) {
    static const QRegularExpression item(QStringLiteral(R"(^\s*(\d+)\s*(?:-\s*(\d+)\s*)?$)"));
    QPageRanges ranges;
    for (const QString& part : text.split(u',')) {
        const QRegularExpressionMatch match = item.match(part);
        if (!match.hasMatch()) return {};
        const int from = match.captured(1).toInt();
        const int to = match.hasCaptured(2) ? match.captured(2).toInt() : from;
        if (from < 1 || to < from || to > pages) return {};
        ranges.addRange(from, to);
    }
    return ranges;
}

PageRangeDialog::PageRangeDialog(QPrinter* printer, int pages, Shell& shell, QWidget* parent)
    : QPrintDialog(printer, parent), shell_(shell) {
    setOption(QAbstractPrintDialog::PrintPageRange, true);
    setMinMax(1, std::max(1, pages));
    // Qt 6.4's Polish translation lacks the page list's choice, left in English beside it.
    if (auto* pagesChoice = findChild<QRadioButton*>(QStringLiteral("pagesRadioButton")))
        pagesChoice->setText(QStringLiteral("Strony"));
    if (auto* pagesField = findChild<QLineEdit*>(QStringLiteral("pagesLineEdit")))
        pagesField->setPlaceholderText(QStringLiteral("np. 1-3, 5"));
}

void PageRangeDialog::OfferAllReports(int count) {
    if (allReports_ || count <= 0) return;
    allReports_ = new QCheckBox(
        QString::fromUtf8("Wszystkie sprawozdania z listy (%1)").arg(count), this);
    allReports_->setObjectName(QStringLiteral("allReports"));
    // Above the buttons, where it is seen, not on a tab of the collapsed options.
    auto* box = qobject_cast<QBoxLayout*>(layout());
    auto* buttons = findChild<QDialogButtonBox*>();
    const int at = box && buttons ? box->indexOf(buttons) : -1;
    if (box)
        box->insertWidget(at < 0 ? box->count() : at, allReports_);
}

bool PageRangeDialog::AllReportsChosen() const { return allReports_ && allReports_->isChecked(); }

void PageRangeDialog::accept() {
    // Every report prints whole: the page fields count the list's pages.
    if (AllReportsChosen()) {
        if (auto* allChoice = findChild<QRadioButton*>(QStringLiteral("printAll"))) allChoice->setChecked(true);
        return QPrintDialog::accept();
    }
    auto* pagesChoice = findChild<QRadioButton*>(QStringLiteral("pagesRadioButton"));
    auto* pagesField = findChild<QLineEdit*>(QStringLiteral("pagesLineEdit"));
    auto* allChoice = findChild<QRadioButton*>(QStringLiteral("printAll"));
    if (!pagesChoice || !pagesField || !allChoice || !pagesChoice->isChecked()) return QPrintDialog::accept();

    typed_ = ParsePageList(pagesField->text(), maxPage());
    if (typed_.isEmpty()) {
        shell_.ShowMessageBox(StyleZamknij, IconUwaga, print_messages::WrongPageList(maxPage()));
        return;
    }
    // Qt takes every other choice of the dialog over; the pages are set when it is done.
    allChoice->setChecked(true);
    QPrintDialog::accept();
}

void PageRangeDialog::done(int result) {
    if (result == QDialog::Accepted && !typed_.isEmpty()) {
        printer()->setPrintRange(QPrinter::PageRange);
        printer()->setPageRanges(typed_);
    }
    QPrintDialog::done(result);
}
