#include "message_box.h"
#include "resource_image.h"
#include "tab_filter.h"
#include "tfwarning.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>

namespace {

constexpr int StaysOpen = -1;

// Shows a message, lets `act` work on the dialog once it is on the screen, and closes the
// dialog if `act` left it open. Gives the choice, or StaysOpen.
int Run(int style, int icon, const QString& text, const std::function<void(TFWarning&)>& act)
{
    bool stayedOpen = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<TFWarning*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer.stop();
        if (QTest::qWaitForWindowExposed(dialog))
            act(*dialog);
        stayedOpen = dialog->isVisible();
        if (stayedOpen)
            dialog->close();
    });
    timer.start(5);
    const int result = ShowMessageBox(style, icon, text);
    if (stayedOpen) {
        // Closed by the test, not chosen: the result must still be the one set before showing.
        return result == ChoiceNie ? StaysOpen : -100 - result;
    }
    return result;
}

// The one dialog, made by initTestCase and shown by every ShowMessageBox.
TFWarning& TheDialog()
{
    TFWarning* dialog = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* warning = qobject_cast<TFWarning*>(window))
            dialog = warning;
    Q_ASSERT(dialog);
    return *dialog;
}

template <typename Widget = QWidget>
Widget* Control(TFWarning& dialog, const char* name)
{
    auto* control = dialog.findChild<Widget*>(QString::fromLatin1(name));
    Q_ASSERT(control);
    return control;
}

// Steps are separated by blanks: Enter, KeypadEnter, Space, Esc, Left, Right, Up, Down, PgUp,
// PgDn, Home, End, Tab, Backtab, F4, Num5;
// a lower-case letter is typed as it is, Shift+X with Shift, Caps+X as Caps Lock gives it.
void Press(QWidget* widget, const QString& steps)
{
    for (const QString& step : steps.split(u' ', Qt::SkipEmptyParts)) {
        if (step == QStringLiteral("Enter"))
            QTest::keyClick(widget, Qt::Key_Return);
        else if (step == QStringLiteral("KeypadEnter"))
            QTest::keyClick(widget, Qt::Key_Enter, Qt::KeypadModifier);
        else if (step == QStringLiteral("Space"))
            QTest::keyClick(widget, Qt::Key_Space);
        else if (step == QStringLiteral("Esc"))
            QTest::keyClick(widget, Qt::Key_Escape);
        else if (step == QStringLiteral("Left"))
            QTest::keyClick(widget, Qt::Key_Left);
        else if (step == QStringLiteral("Right"))
            QTest::keyClick(widget, Qt::Key_Right);
        else if (step == QStringLiteral("Up"))
            QTest::keyClick(widget, Qt::Key_Up);
        else if (step == QStringLiteral("Down"))
            QTest::keyClick(widget, Qt::Key_Down);
        else if (step == QStringLiteral("PgUp"))
            QTest::keyClick(widget, Qt::Key_PageUp);
        else if (step == QStringLiteral("PgDn"))
            QTest::keyClick(widget, Qt::Key_PageDown);
        else if (step == QStringLiteral("Home"))
            QTest::keyClick(widget, Qt::Key_Home);
        else if (step == QStringLiteral("End"))
            QTest::keyClick(widget, Qt::Key_End);
        else if (step == QStringLiteral("Tab"))
            QTest::keyClick(widget, Qt::Key_Tab);
        else if (step == QStringLiteral("Backtab"))
            QTest::keyClick(widget, Qt::Key_Backtab, Qt::ShiftModifier);
        else if (step.startsWith(u'F'))
            QTest::keyClick(widget, Qt::Key(Qt::Key_F1 + step.mid(1).toInt() - 1));
        else if (step.startsWith(QStringLiteral("Num")))
            QTest::keyClick(widget, Qt::Key(Qt::Key_0 + step.mid(3).toInt()), Qt::KeypadModifier);
        else if (step.startsWith(QStringLiteral("Shift+")) || step.startsWith(QStringLiteral("Caps+"))) {
            const QChar letter = step.back();
            const auto modifier = step.startsWith(u'S') ? Qt::ShiftModifier : Qt::NoModifier;
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(letter.unicode()), QString(letter), modifier);
        } else
            QTest::keyClick(widget, step.at(0).toLatin1());
    }
}

const QStringList AllPictures = {
    "oknowarning", "ikoinfo", "ikopytanie", "ikouwaga",
    "buttak", "buttakakt", "butnie", "butnieakt", "butanuluj", "butanulujakt", "butzamknij", "butzamknijakt",
    "butyes", "butyesakt", "butno", "butnoakt", "butcancel", "butcancelakt", "butclose", "butcloseakt",
};

// The name of the resource picture the label shows, compared pixel for pixel with the picture
// drawn for the screen's scale.
QString PictureOf(const QLabel* label)
{
    const QImage shown = label->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    for (const QString& name : AllPictures) {
        if (LoadResourceImage(name, label->devicePixelRatioF()).convertToFormat(QImage::Format_RGB32) == shown)
            return name;
    }
    return QStringLiteral("?");
}

// The pictures of the buttons on show, from left to right.
QString ButtonPictures(TFWarning& dialog)
{
    QStringList shown;
    for (const char* name : {"ImButTak", "ImButNie", "ImButAnuluj", "ImButZamknij"}) {
        auto* image = Control<QLabel>(dialog, name);
        if (image->isVisible())
            shown << PictureOf(image);
    }
    return shown.join(u' ');
}

// The box around the dark pixels of the text as the dialog draws it.
QRect TextInk(TFWarning& dialog)
{
    const QRect box = Control(dialog, "LTekstWarning")->geometry();
    const QImage image = dialog.grab(box).toImage();
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

QRect InkOf(const QString& text)
{
    QRect ink;
    Run(StyleZamknij, IconInformacja, text, [&](TFWarning& dialog) { ink = TextInk(dialog); });
    return ink;
}

// A message as print-all gives it: a line for each file left out.
QString FilesLeftOut(int count)
{
    QString text = QStringLiteral("Pominięto %1 sprawozdań z plików:").arg(count);
    for (int i = 1; i <= count; ++i)
        text += QStringLiteral("\r%1_klasyfikacja_klasy_4A.xml (uszkodzony)").arg(i);
    return text;
}

int TallestDialog()
{
    return QGuiApplication::primaryScreen()->availableGeometry().height() * 2 / 3;
}

// The last line of the text box's ink is within a line of the box's foot: nothing is cut.
bool InkReachesTheFoot(TFWarning& dialog)
{
    QWidget* box = Control(dialog, "LTekstWarning");
    return TextInk(dialog).bottom() >= box->height() - QFontMetrics(box->font()).lineSpacing();
}

} // namespace

class WarningDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void styleOneShowsZamknijAloneInTheMiddle();
    void otherStylesShowZamknijAlone();
    void keys_data();
    void keys();
    void clicks_data();
    void clicks();
    void highlightPicturesFollowEachStep();
    void closingOtherwiseLeavesNie();
    void iconFollowsItsNumber();
    void englishPicturesAndLetters();
    void carriageReturnStartsALine();
    void textIsNotMarkup();
    void aTextThatFitsKeepsTheDialogAsDrawn();
    void aLongerTextGrowsTheDialogDownwards();
    void aTextTallerThanTwoThirdsOfTheScreenScrolls();
    void aWordWiderThanTheBoxIsBroken();
    void titleStripDragsByThePointersMovement();
    void pressOnTheFaceDoesNotDrag();
    void buttonsForScreenReaders_data();
    void buttonsForScreenReaders();
    void tabMovesFocusOnlyInOtherWindows_data();
    void tabMovesFocusOnlyInOtherWindows();
};

void WarningDialogTest::initTestCase()
{
    CreateWarningDialog();
}

void WarningDialogTest::cleanup()
{
    TheDialog().SetLanguage(QStringLiteral("pl"));
}

void WarningDialogTest::styleOneShowsZamknijAloneInTheMiddle()
{
    Run(StyleZamknij, IconInformacja, QStringLiteral("Brak pliku."), [](TFWarning& dialog) {
        QCOMPARE(dialog.size(), QSize(350, 150));
        QVERIFY(dialog.windowFlags().testFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint));
        QCOMPARE(dialog.geometry().center(), QGuiApplication::primaryScreen()->geometry().center());
        QCOMPARE(ButtonPictures(dialog), QStringLiteral("butzamknijakt"));
        QCOMPARE(Control(dialog, "pButZamknij")->geometry(), QRect(190, 116, 88, 26));
        QCOMPARE(PictureOf(Control<QLabel>(dialog, "ImWarning")), QStringLiteral("oknowarning"));
        QCOMPARE(PictureOf(Control<QLabel>(dialog, "ImIkona")), QStringLiteral("ikoinfo"));
    });
}

void WarningDialogTest::otherStylesShowZamknijAlone()
{
    for (int style : {0, 2, 4}) {
        const int result = Run(style, IconInformacja, QStringLiteral("Styl."), [](TFWarning& dialog) {
            QCOMPARE(ButtonPictures(dialog), QStringLiteral("butzamknijakt"));
            Press(&dialog, QStringLiteral("Enter"));
        });
        QCOMPARE(result, int(ChoiceZamknij));
    }
}

void WarningDialogTest::keys_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("result");

    QTest::newRow("1: Enter") << 1 << "Enter" << 0;
    QTest::newRow("1: keypad Enter") << 1 << "KeypadEnter" << 0;
    QTest::newRow("1: Esc") << 1 << "Esc" << 0;
    QTest::newRow("1: z") << 1 << "z" << 0;
    QTest::newRow("1: Shift+Z") << 1 << "Shift+Z" << 0;
    QTest::newRow("1: Caps Lock Z") << 1 << "Caps+Z" << 0;
    QTest::newRow("1: other letters, arrows, Tab") << 1 << "t n a Shift+T Caps+A Left Right Tab Backtab" << StaysOpen;
    QTest::newRow("1: function and keypad keys") << 1 << "F4 F5 F10 Num4 Num5 Num9" << StaysOpen;

    QTest::newRow("3: Enter") << 3 << "Enter" << 1;
    QTest::newRow("3: right, Enter") << 3 << "Right Enter" << 2;
    QTest::newRow("3: right twice, Enter") << 3 << "Right Right Enter" << 3;
    QTest::newRow("3: right three times, Enter") << 3 << "Right Right Right Enter" << 1;
    QTest::newRow("3: left, Enter") << 3 << "Left Enter" << 3;
    QTest::newRow("3: left twice, Enter") << 3 << "Left Left Enter" << 2;
    QTest::newRow("1: Space") << 1 << "Space" << 0;
    QTest::newRow("3: right, Space") << 3 << "Right Space" << 2;
    QTest::newRow("3: Tab, Enter") << 3 << "Tab Enter" << 2;
    QTest::newRow("3: Tab three times, Enter") << 3 << "Tab Tab Tab Enter" << 1;
    QTest::newRow("3: Shift+Tab, Enter") << 3 << "Backtab Enter" << 2;
    QTest::newRow("3: t") << 3 << "t" << 1;
    QTest::newRow("3: Shift+N") << 3 << "Shift+N" << 2;
    QTest::newRow("3: a") << 3 << "a" << 3;
    QTest::newRow("3: Caps Lock A") << 3 << "Caps+A" << 3;
    QTest::newRow("3: letter after moving") << 3 << "Right Right t" << 1;
    QTest::newRow("3: Esc") << 3 << "Esc" << StaysOpen;
    QTest::newRow("3: z, function and keypad keys") << 3 << "z Caps+Z F4 Num5" << StaysOpen;
}

void WarningDialogTest::keys()
{
    QFETCH(int, style);
    QFETCH(QString, steps);
    QFETCH(int, result);
    const int icon = style == 3 ? IconPytanie : IconInformacja;
    QCOMPARE(Run(style, icon, QStringLiteral("Klawisze."), [&](TFWarning& dialog) { Press(&dialog, steps); }),
             result);
}

void WarningDialogTest::clicks_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("result");

    QTest::newRow("1: Zamknij") << 1 << "ImButZamknij" << int(Qt::LeftButton) << 0;
    QTest::newRow("1: close area") << 1 << "LClose" << int(Qt::LeftButton) << 0;
    QTest::newRow("3: Tak") << 3 << "ImButTak" << int(Qt::LeftButton) << 1;
    QTest::newRow("3: Nie") << 3 << "ImButNie" << int(Qt::LeftButton) << 2;
    QTest::newRow("3: Anuluj") << 3 << "ImButAnuluj" << int(Qt::LeftButton) << 3;
    QTest::newRow("3: close area") << 3 << "LClose" << int(Qt::LeftButton) << 3;
    QTest::newRow("3: right button on Tak") << 3 << "ImButTak" << int(Qt::RightButton) << StaysOpen;
    QTest::newRow("3: title strip") << 3 << "LListwa" << int(Qt::LeftButton) << StaysOpen;
}

void WarningDialogTest::clicks()
{
    QFETCH(int, style);
    QFETCH(QString, control);
    QFETCH(int, button);
    QFETCH(int, result);
    const int got = Run(style, IconInformacja, QStringLiteral("Myszą."), [&](TFWarning& dialog) {
        QTest::mouseClick(Control(dialog, qPrintable(control)), Qt::MouseButton(button));
    });
    QCOMPARE(got, result);
}

void WarningDialogTest::highlightPicturesFollowEachStep()
{
    Run(StyleTakNieAnuluj, IconPytanie, QStringLiteral("Strzałki."), [](TFWarning& dialog) {
        QCOMPARE(PictureOf(Control<QLabel>(dialog, "ImIkona")), QStringLiteral("ikopytanie"));
        QCOMPARE(ButtonPictures(dialog), QStringLiteral("buttakakt butnie butanuluj"));
        const struct {
            const char* key;
            const char* pictures;
        } steps[] = {
            {"Right", "buttak butnieakt butanuluj"}, {"Right", "buttak butnie butanulujakt"},
            {"Right", "buttakakt butnie butanuluj"}, {"Left", "buttak butnie butanulujakt"},
            {"Left", "buttak butnieakt butanuluj"},  {"Left", "buttakakt butnie butanuluj"},
            {"Tab", "buttak butnieakt butanuluj"},
        };
        for (const auto& step : steps) {
            Press(&dialog, QString::fromLatin1(step.key));
            QCOMPARE(ButtonPictures(dialog), QString::fromLatin1(step.pictures));
        }
    });
    Run(StyleZamknij, IconInformacja, QStringLiteral("Strzałki."), [](TFWarning& dialog) {
        Press(&dialog, QStringLiteral("Left Right Tab"));
        QCOMPARE(ButtonPictures(dialog), QStringLiteral("butzamknijakt"));
    });
}

void WarningDialogTest::closingOtherwiseLeavesNie()
{
    QCOMPARE(Run(StyleZamknij, IconInformacja, QStringLiteral("Raz."), [](TFWarning& dialog) { Press(&dialog, "z"); }),
             int(ChoiceZamknij));
    QCOMPARE(Run(StyleTakNieAnuluj, IconPytanie, QStringLiteral("Trzy."), [](TFWarning& dialog) { dialog.reject(); }),
             int(ChoiceNie));
}

void WarningDialogTest::iconFollowsItsNumber()
{
    const auto iconShown = [](int icon) {
        QString picture;
        Run(StyleZamknij, icon, QStringLiteral("Ikona."), [&](TFWarning& dialog) {
            picture = PictureOf(Control<QLabel>(dialog, "ImIkona"));
        });
        return picture;
    };
    QCOMPARE(iconShown(IconUwaga), QStringLiteral("ikouwaga"));
    QCOMPARE(iconShown(7), QStringLiteral("ikouwaga"));
    QCOMPARE(iconShown(0), QStringLiteral("ikouwaga"));
    QCOMPARE(iconShown(IconPytanie), QStringLiteral("ikopytanie"));
    QCOMPARE(iconShown(IconInformacja), QStringLiteral("ikoinfo"));
}

void WarningDialogTest::englishPicturesAndLetters()
{
    TheDialog().SetLanguage(QStringLiteral("en"));
    const int three = Run(StyleTakNieAnuluj, IconPytanie, QStringLiteral("Save?"), [](TFWarning& dialog) {
        QCOMPARE(ButtonPictures(dialog), QStringLiteral("butyesakt butno butcancel"));
        Press(&dialog, QStringLiteral("t a z Right"));
        QCOMPARE(ButtonPictures(dialog), QStringLiteral("butyes butnoakt butcancel"));
        Press(&dialog, QStringLiteral("Caps+C"));
    });
    QCOMPARE(three, int(ChoiceAnuluj));
    QCOMPARE(Run(StyleTakNieAnuluj, IconPytanie, QStringLiteral("Save?"), [](TFWarning& dialog) { Press(&dialog, "y"); }),
             int(ChoiceTak));
    const int one = Run(StyleZamknij, IconInformacja, QStringLiteral("Done."), [](TFWarning& dialog) {
        QCOMPARE(ButtonPictures(dialog), QStringLiteral("butcloseakt"));
        Press(&dialog, QStringLiteral("z y n"));
        QVERIFY(dialog.isVisible());
        Press(&dialog, QStringLiteral("c"));
    });
    QCOMPARE(one, int(ChoiceZamknij));
}

void WarningDialogTest::carriageReturnStartsALine()
{
    const QString first = QStringLiteral("Wystąpiły problemy z otwarciem pliku.");
    const QString second = QStringLiteral("Błędny typ pliku.");
    const QRect firstLine = InkOf(first);
    const QRect secondLine = InkOf(second);
    const QRect both = InkOf(first + u'\r' + second);
    QCOMPARE(both.width(), firstLine.width());
    QVERIFY2(both.height() > firstLine.height() + 10, "the second line stands below the first");

    const QRect lowered = InkOf(u'\r' + second);
    QCOMPARE(lowered.width(), secondLine.width());
    QVERIFY2(lowered.top() >= secondLine.top() + 10, "an empty line comes first");
    QCOMPARE(InkOf(first + QStringLiteral("\r\n") + second), both);
}

void WarningDialogTest::textIsNotMarkup()
{
    const QString word = QStringLiteral("plik.xml");
    QVERIFY(InkOf(QStringLiteral("<b>") + word + QStringLiteral("</b>")).width() > InkOf(word).width() + 20);
}

void WarningDialogTest::aTextThatFitsKeepsTheDialogAsDrawn()
{
    const QString text = QStringLiteral("Pierwszy wiersz.\rDrugi wiersz.\rTrzeci wiersz.");
    Run(StyleTakNieAnuluj, IconPytanie, text, [](TFWarning& dialog) {
        QCOMPARE(dialog.size(), QSize(350, 150));
        QCOMPARE(Control(dialog, "LTekstWarning")->geometry(), QRect(17, 51, 313, 53));
        QCOMPARE(Control(dialog, "PButAnuluj")->geometry(), QRect(248, 116, 88, 26));
        QVERIFY(Control(dialog, "SbTekstWarning")->isHidden());
    });
}

void WarningDialogTest::aLongerTextGrowsTheDialogDownwards()
{
    Run(StyleZamknij, IconInformacja, FilesLeftOut(6), [](TFWarning& dialog) {
        const int growth = dialog.height() - 150;
        QVERIFY(growth > 0);
        QVERIFY(dialog.height() <= TallestDialog());
        QCOMPARE(dialog.width(), 350);
        QCOMPARE(dialog.geometry().center(), QGuiApplication::primaryScreen()->geometry().center());
        QCOMPARE(Control(dialog, "LTekstWarning")->geometry(), QRect(17, 51, 313, 53 + growth));
        QCOMPARE(Control(dialog, "pButZamknij")->geometry(), QRect(190, 116 + growth, 88, 26));
        QVERIFY(Control(dialog, "SbTekstWarning")->isHidden());
        QVERIFY(InkReachesTheFoot(dialog));

        // The face's top and its foot with the buttons' frame are the picture's own rows.
        auto* faceLabel = Control<QLabel>(dialog, "ImWarning");
        const QImage face = LoadResourceImage(QStringLiteral("oknowarning"), faceLabel->devicePixelRatioF())
                                .convertToFormat(QImage::Format_RGB32);
        const QImage shown = faceLabel->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        const qreal scale = face.devicePixelRatio();
        const int top = qRound(60 * scale);
        const int foot = qRound(46 * scale);
        QCOMPARE(shown.height(), qRound((150 + growth) * scale));
        QCOMPARE(shown.copy(0, 0, shown.width(), top), face.copy(0, 0, face.width(), top));
        QCOMPARE(shown.copy(0, shown.height() - foot, shown.width(), foot),
                 face.copy(0, face.height() - foot, face.width(), foot));
    });
    // The next message that fits has the dialog of 350 by 150 pixels again.
    Run(StyleZamknij, IconInformacja, QStringLiteral("Brak pliku."), [](TFWarning& dialog) {
        QCOMPARE(dialog.size(), QSize(350, 150));
        QCOMPARE(PictureOf(Control<QLabel>(dialog, "ImWarning")), QStringLiteral("oknowarning"));
        QCOMPARE(Control(dialog, "pButZamknij")->geometry(), QRect(190, 116, 88, 26));
    });
}

void WarningDialogTest::aTextTallerThanTwoThirdsOfTheScreenScrolls()
{
    const QString text = FilesLeftOut(200);
    const QPoint firstLine = InkOf(FilesLeftOut(0)).topLeft();
    Run(StyleZamknij, IconInformacja, text, [&](TFWarning& dialog) {
        QCOMPARE(dialog.height(), TallestDialog());
        auto* bar = Control<QScrollBar>(dialog, "SbTekstWarning");
        QWidget* box = Control(dialog, "LTekstWarning");
        QVERIFY(bar->isVisible());
        QCOMPARE(box->y(), 51);
        QVERIFY(box->geometry().right() < bar->x());
        QCOMPARE(bar->value(), 0);
        // Where the text starts when it fits, give or take a pixel of the glyphs' placing.
        QVERIFY((TextInk(dialog).topLeft() - firstLine).manhattanLength() <= 2);
        const QImage start = dialog.grab(box->geometry()).toImage();

        Press(&dialog, "Down");
        QCOMPARE(bar->value(), bar->singleStep());
        Press(&dialog, "PgDn");
        QCOMPARE(bar->value(), bar->singleStep() + bar->pageStep());
        Press(&dialog, "End");
        QCOMPARE(bar->value(), bar->maximum());
        QVERIFY(dialog.grab(box->geometry()).toImage() != start);
        QVERIFY(InkReachesTheFoot(dialog));
        Press(&dialog, "PgUp Home");
        QCOMPARE(bar->value(), 0);
        QCOMPARE(dialog.grab(box->geometry()).toImage(), start);

        QWheelEvent down(QPointF(20, 20), box->mapToGlobal(QPointF(20, 20)), {}, QPoint(0, -120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(box, &down);
        QVERIFY(bar->value() > 0);
    });
    // The dialog's own keys keep their meaning while the text scrolls.
    QCOMPARE(Run(StyleZamknij, IconInformacja, text, [](TFWarning& dialog) { Press(&dialog, "End Enter"); }),
             int(ChoiceZamknij));
    QCOMPARE(Run(StyleTakNieAnuluj, IconPytanie, text, [](TFWarning& dialog) { Press(&dialog, "PgDn Right Enter"); }),
             int(ChoiceNie));
}

// A name longer than the box is wide breaks where it must: none of it runs past the box's edge.
void WarningDialogTest::aWordWiderThanTheBoxIsBroken()
{
    const QString name = QStringLiteral("sprawozdanie_klasyfikacyjne_klasy_czwartej_b_za_pierwszy_semestr_2026.xml");
    const QString text = QStringLiteral("Pominięto sprawozdanie z pliku:\r") + name;
    Run(StyleZamknij, IconInformacja, text, [](TFWarning& dialog) {
        QWidget* box = Control(dialog, "LTekstWarning");
        const qreal scale = box->devicePixelRatioF();
        QVERIFY(TextInk(dialog).right() < qRound(box->width() * scale) - 1);
        QVERIFY(InkReachesTheFoot(dialog));
    });
    QCOMPARE(TheDialog().accessibleDescription(), text.simplified());
}

void WarningDialogTest::titleStripDragsByThePointersMovement()
{
    QPoint centred;
    Run(StyleZamknij, IconInformacja, QStringLiteral("Przeciągnij."), [&](TFWarning& dialog) {
        centred = dialog.pos();
        QWidget* strip = Control(dialog, "LListwa");
        QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(100, 10));
        QTest::mouseMove(strip, QPoint(130, 30));
        QTRY_COMPARE(dialog.pos(), centred + QPoint(30, 20));
        // The pointer runs ahead of the strip and out of the dialog; the strip keeps the mouse.
        QTest::mouseMove(strip, QPoint(400, 60));
        QTRY_COMPARE(dialog.pos(), centred + QPoint(330, 70));
        // The dialog has caught up: the pointer is over the spot of the strip pressed first.
        QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(100, 10));
        QTest::mouseMove(strip, QPoint(10, 10));
        QCOMPARE(dialog.pos(), centred + QPoint(330, 70));

        // Any button drags.
        QTest::mousePress(strip, Qt::RightButton, {}, QPoint(50, 10));
        QTest::mouseMove(strip, QPoint(40, 15));
        QTRY_COMPARE(dialog.pos(), centred + QPoint(320, 75));
        QTest::mouseRelease(strip, Qt::RightButton, {}, QPoint(50, 10));
        QCOMPARE(dialog.pos(), centred + QPoint(320, 75));
    });
    Run(StyleZamknij, IconInformacja, QStringLiteral("Znowu."), [&](TFWarning& dialog) {
        QCOMPARE(dialog.pos(), centred);
    });
}

void WarningDialogTest::pressOnTheFaceDoesNotDrag()
{
    Run(StyleZamknij, IconInformacja, QStringLiteral("Nie przeciągaj."), [](TFWarning& dialog) {
        const QPoint start = dialog.pos();
        QWidget* face = Control(dialog, "ImWarning");
        QTest::mousePress(face, Qt::LeftButton, {}, QPoint(30, 130));
        QTest::mouseMove(face, QPoint(80, 140));
        QTest::mouseRelease(face, Qt::LeftButton, {}, QPoint(80, 140));
        QTest::qWait(20);
        QCOMPARE(dialog.pos(), start);
    });
}

void WarningDialogTest::buttonsForScreenReaders_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("key");
    QTest::newRow("1: Zamknij") << 1 << "Zamknij" << 0 << "Z";
    QTest::newRow("1: close area") << 1 << "Zamknij okno" << 0 << "";
    QTest::newRow("3: Tak") << 3 << "Tak" << 1 << "T";
    QTest::newRow("3: Nie") << 3 << "Nie" << 2 << "N";
    QTest::newRow("3: Anuluj") << 3 << "Anuluj" << 3 << "A";
    QTest::newRow("3: close area") << 3 << "Zamknij okno" << 3 << "";
}

// A screen reader finds the buttons on show by their names, and pressing one chooses it.
void WarningDialogTest::buttonsForScreenReaders()
{
    QFETCH(int, style);
    QFETCH(QString, name);
    QFETCH(int, result);
    QFETCH(QString, key);
    const int got = Run(style, IconInformacja, QStringLiteral("Czytnik.\rDruga linia."), [&](TFWarning& dialog) {
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&dialog);
        // The dialog is named after what it says, as a standard message box is.
        QCOMPARE(root->text(QAccessible::Name), QStringLiteral("Czytnik."));
        QAccessibleInterface* found = nullptr;
        std::function<void(QAccessibleInterface*)> search = [&](QAccessibleInterface* node) {
            for (int i = 0; i < node->childCount(); ++i) {
                QAccessibleInterface* child = node->child(i);
                if (child->role() == QAccessible::Button && child->text(QAccessible::Name) == name &&
                    !child->state().invisible)
                    found = child;
                search(child);
            }
        };
        search(root);
        QVERIFY(found);
        // Its pictures are either named for what they mean (the icon) or hidden as decoration.
        std::function<void(QAccessibleInterface*)> pictures = [&](QAccessibleInterface* node) {
            for (int i = 0; i < node->childCount(); ++i) {
                QAccessibleInterface* child = node->child(i);
                if (child->role() == QAccessible::Graphic && !child->state().invisible)
                    QVERIFY2(!child->text(QAccessible::Name).isEmpty(), qPrintable(child->object()->objectName()));
                pictures(child);
            }
        };
        pictures(root);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Ulnik"));
        const QStringList keys = found->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(keys.isEmpty() ? QString() : keys.first(), key);
        found->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    });
    QCOMPARE(got, result);
}

void WarningDialogTest::tabMovesFocusOnlyInOtherWindows_data()
{
    QTest::addColumn<bool>("programs");
    QTest::newRow("the program's own window") << true;
    QTest::newRow("a standard dialog") << false;
}

void WarningDialogTest::tabMovesFocusOnlyInOtherWindows()
{
    QFETCH(bool, programs);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new QLineEdit(&window);
    auto* second = new QLineEdit(&window);
    layout->addWidget(first);
    layout->addWidget(second);
    if (programs)
        InstallTabFilter(&window);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    first->setFocus();
    QTRY_VERIFY(first->hasFocus());

    QTest::keyClick(first, Qt::Key_Tab);
    QCOMPARE(second->hasFocus(), !programs);
    second->setFocus();
    QTRY_VERIFY(second->hasFocus());
    QTest::keyClick(second, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(first->hasFocus(), !programs);
    QVERIFY(first->text().isEmpty() && second->text().isEmpty());
}

int RunWarningDialogTests(int argc, char* argv[])
{
    WarningDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "warning_dialog_test.moc"
