// The footer codes and the choice of print route: pure functions, table-driven.
#include <QTest>

#include "code_page.h"
#include "page_codes.h"
#include "press_route.h"
#include "print_messages.h"
#include "utf8.h"

Q_DECLARE_METATYPE(PrintRoute)

class PageCodesTest : public QObject {
    Q_OBJECT
private slots:
    void expandsCodes_data() {
        QTest::addColumn<QString>("codes");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("centre");
        QTest::addColumn<QString>("right");
        QTest::newRow("the footer") << "&b - Str. &p - &b" << "" << " - Str. 7 - " << "";
        QTest::newRow("empty") << "" << "" << "" << "";
        QTest::newRow("no split") << "Str. &p z &P" << "Str. 7 z 9" << "" << "";
        QTest::newRow("one split") << "L&bP" << "L" << "" << "P";
        QTest::newRow("third split joins the right") << "a&bb&bc&bd" << "a" << "b" << "cd";
        QTest::newRow("literal ampersand") << "A&&B &&b &&p" << "A&B &b &p" << "" << "";
        QTest::newRow("unknown code kept") << "&w&x&" << "&w&x&" << "" << "";
    }
    void expandsCodes() {
        QFETCH(QString, codes);
        QFETCH(QString, left);
        QFETCH(QString, centre);
        QFETCH(QString, right);
        const PageLine expected{left.toStdString(), centre.toStdString(), right.toStdString()};
        QCOMPARE(ExpandPageCodes(codes.toStdString(), 7, 9), expected);
    }

    // Left-out reports are named in one message, counted as Polish counts them, each file on a
    // line of its own with why: its verdict, or that its page would not print.
    void namesLeftOutReports_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::newRow("one") << 1 << QString::fromUtf8("Pominięto sprawozdanie z pliku:");
        QTest::newRow("few") << 3 << QString::fromUtf8("Pominięto 3 sprawozdania z plików:");
        QTest::newRow("many") << 5 << QString::fromUtf8("Pominięto 5 sprawozdań z plików:");
        QTest::newRow("teens") << 12 << QString::fromUtf8("Pominięto 12 sprawozdań z plików:");
        QTest::newRow("few past twenty") << 22 << QString::fromUtf8("Pominięto 22 sprawozdania z plików:");
    }
    void namesLeftOutReports() {
        QFETCH(int, count);
        QFETCH(QString, first);
        std::vector<LeftOutFile> files;
        for (int i = 0; i < count; ++i)
            files.push_back({"r" + std::to_string(i) + ".xml", FileVerdict{i % 2 ? Verdict::Foreign : Verdict::Sound, {}}});
        const QStringList lines =
            QString::fromStdString(print_messages::ReportsLeftOut(files).ToUtf8()).split(QLatin1Char('\r'));
        QCOMPARE(lines.first(), first);
        QCOMPARE(lines.size(), count + 1);
        QCOMPARE(lines.at(1), QString::fromUtf8("r0.xml: nie dało się wydrukować jego strony"));
        if (count > 1)
            QCOMPARE(lines.at(2), QStringLiteral("r1.xml: ") + QString::fromStdString(files[1].verdict.Said().ToUtf8()));
    }

    void routesPresses_data() {
        QTest::addColumn<Qt::MouseButtons>("buttons");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("secondPress");
        QTest::addColumn<PrintRoute>("route");
        const Qt::MouseButtons left = Qt::LeftButton;
        const Qt::KeyboardModifiers none = Qt::NoModifier;
        QTest::newRow("left") << left << none << false << PrintRoute::PrintAtOnce;
        QTest::newRow("shift left") << left << Qt::KeyboardModifiers(Qt::ShiftModifier) << false
                                    << PrintRoute::Preview;
        QTest::newRow("alt left") << left << Qt::KeyboardModifiers(Qt::AltModifier) << false
                                  << PrintRoute::ChoosePrinter;
        QTest::newRow("shift left, keypad") << left << (Qt::ShiftModifier | Qt::KeypadModifier)
                                            << false << PrintRoute::Preview;
        QTest::newRow("right") << Qt::MouseButtons(Qt::RightButton) << none << false
                               << PrintRoute::PrintAtOnce;
        QTest::newRow("shift right") << Qt::MouseButtons(Qt::RightButton)
                                     << Qt::KeyboardModifiers(Qt::ShiftModifier) << false
                                     << PrintRoute::PrintAtOnce;
        QTest::newRow("shift left and right") << (Qt::LeftButton | Qt::RightButton)
                                              << Qt::KeyboardModifiers(Qt::ShiftModifier) << false
                                              << PrintRoute::PrintAtOnce;
        QTest::newRow("ctrl left") << left << Qt::KeyboardModifiers(Qt::ControlModifier) << false
                                   << PrintRoute::PrintAtOnce;
        QTest::newRow("shift alt left") << left << (Qt::ShiftModifier | Qt::AltModifier) << false
                                        << PrintRoute::PrintAtOnce;
        QTest::newRow("shift ctrl left") << left << (Qt::ShiftModifier | Qt::ControlModifier)
                                         << false << PrintRoute::PrintAtOnce;
        QTest::newRow("double click, shift") << left << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                             << true << PrintRoute::PrintAtOnce;
        QTest::newRow("double click, alt") << left << Qt::KeyboardModifiers(Qt::AltModifier) << true
                                           << PrintRoute::PrintAtOnce;
    }
    void routesPresses() {
        QFETCH(Qt::MouseButtons, buttons);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, secondPress);
        QFETCH(PrintRoute, route);
        QCOMPARE(RouteForPress(buttons, modifiers, secondPress), route);
    }
};

int RunPageCodesTests(int argc, char* argv[]) {
    PageCodesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "page_codes_test.moc"
