#include "tfwarning.h"

#include "hot_label.h"
#include "message_kinds.h"
#include "resource_image.h"
#include "tab_filter.h"
#include "warning_face.h"
#include "hot_label_accessible.h"
#include "warning_pictures.h"
#include "warning_text.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPixmap>
#include <QScreen>

namespace {

constexpr QSize FormSize(350, 150);
constexpr QSize ButtonSize(88, 26);
constexpr int ButtonTop = 116;
constexpr QRect TextBox(17, 51, 313, 53);

void LoadResourceImage(const QString& name, QLabel* image)
{
    image->setPixmap(QPixmap::fromImage(::LoadResourceImage(name, image->devicePixelRatioF())));
}

// Letter keys go by the key, not the character typed, so Shift and Caps Lock make no
// difference. `letters` holds the letter in upper and lower case.
bool KeyMatches(int key, const QString& letters)
{
    return key == letters.at(0).toUpper().unicode();
}

bool IsShown(const QWidget* widget)
{
    return !widget->isHidden();
}

QFont TextFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    font.setPixelSize(12);
    return font;
}

} // namespace

TFWarning::TFWarning(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FWarning"));
    // The title the desktop's window list and screen readers give the dialog; it draws none.
    setWindowTitle(QStringLiteral("Ulnik"));
    setFixedSize(FormSize);
    setFocusPolicy(Qt::StrongFocus);

    ImWarning = new QLabel(this);
    ImWarning->setObjectName(QStringLiteral("ImWarning"));
    ImWarning->setGeometry(QRect(QPoint(0, 0), FormSize));
    MarkDecorative(ImWarning);

    PIkona = new QWidget(this);
    PIkona->setObjectName(QStringLiteral("PIkona"));
    PIkona->setGeometry(12, 4, 42, 43);
    ImIkona = new QLabel(PIkona);
    ImIkona->setObjectName(QStringLiteral("ImIkona"));
    ImIkona->setGeometry(0, 0, 42, 43);

    LTekstWarning = new WarningText(this);
    LTekstWarning->setObjectName(QStringLiteral("LTekstWarning"));
    LTekstWarning->setGeometry(TextBox);
    LTekstWarning->setFont(TextFont());
    LTekstWarning->setTextFormat(Qt::PlainText);
    LTekstWarning->setWordWrap(true);
    LTekstWarning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette textPalette = LTekstWarning->palette();
    textPalette.setColor(QPalette::WindowText, QColor(0x44, 0x44, 0x44));
    LTekstWarning->setPalette(textPalette);

    LListwa = new HotLabel(this);
    LListwa->setObjectName(QStringLiteral("LListwa"));
    LListwa->setGeometry(56, 5, 281, 23);
    connect(LListwa, &HotLabel::pressed, this, &TFWarning::LListwaMouseDown);
    connect(LListwa, &HotLabel::moved, this, &TFWarning::LListwaMouseMove);
    connect(LListwa, &HotLabel::released, this, &TFWarning::LListwaMouseUp);

    // The strip reaches under the close area; the close area has to stay on top to be hit.
    LClose = new HotLabel(this);
    LClose->setObjectName(QStringLiteral("LClose"));
    LClose->setGeometry(323, 8, 17, 17);
    connect(LClose, &HotLabel::clicked, this, &TFWarning::LCloseClick);

    PButTak = MakeButton("PButTak", "ImButTak", 63, &ImButTak);
    PButNie = MakeButton("PButNie", "ImButNie", 156, &ImButNie);
    PButAnuluj = MakeButton("PButAnuluj", "ImButAnuluj", 248, &ImButAnuluj);
    pButZamknij = MakeButton("pButZamknij", "ImButZamknij", 190, &ImButZamknij);
    connect(ImButTak, &HotLabel::clicked, this, [this] { Choose(1); });
    connect(ImButNie, &HotLabel::clicked, this, [this] { Choose(2); });
    connect(ImButAnuluj, &HotLabel::clicked, this, [this] { Choose(3); });
    connect(ImButZamknij, &HotLabel::clicked, this, [this] { Choose(0); });
    NameButtons();

    // An unknown icon keeps the previous picture; before any display that is the information one.
    LoadResourceImage(FacePicture, ImWarning);
    ShowDialogIcon(1);

    InstallTabFilter(this);
}

QWidget* TFWarning::MakeButton(const char* panelName, const char* imageName, int left, HotLabel** image)
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QString::fromLatin1(panelName));
    panel->setGeometry(QRect(QPoint(left, ButtonTop), ButtonSize));
    panel->setCursor(Qt::PointingHandCursor);
    *image = new HotLabel(panel);
    (*image)->setObjectName(QString::fromLatin1(imageName));
    (*image)->setGeometry(QRect(QPoint(0, 0), ButtonSize));
    (*image)->setCursor(Qt::PointingHandCursor);
    return panel;
}

void TFWarning::LoadButton(int button, bool highlighted)
{
    static HotLabel* TFWarning::*const images[] = {&TFWarning::ImButTak, &TFWarning::ImButNie,
                                                   &TFWarning::ImButAnuluj, &TFWarning::ImButZamknij};
    LoadResourceImage(ButtonPicture(button, highlighted, InPolish()), this->*images[button - ButTak]);
}

void TFWarning::PrepareDialogImages(int style)
{
    NameButtons();
    // The face, drawn for the text the dialog holds; SetText draws it again for the next text.
    FitToText();
    LoadButton(ButTak, true);
    LoadButton(ButNie, false);
    LoadButton(ButZamknij, false);
    LoadButton(ButAnuluj, false);
    HighlightedButton = ButZamknij;
    if (style == 1)
        LoadButton(ButZamknij, true);
    else
        HighlightedButton = ButTak;
}

// The pictures speak the dialog's language, and so do the names screen readers hear.
void TFWarning::NameButtons()
{
    const bool polish = InPolish();
    // The letter that chooses each button, as ChooseByLetter reads it.
    ImButTak->ActAsButton(ButtonWord(ButTak, polish), {}, {polish ? QStringLiteral("T") : QStringLiteral("Y")});
    ImButNie->ActAsButton(ButtonWord(ButNie, polish), {}, {QStringLiteral("N")});
    ImButAnuluj->ActAsButton(ButtonWord(ButAnuluj, polish), {}, {polish ? QStringLiteral("A") : QStringLiteral("C")});
    ImButZamknij->ActAsButton(ButtonWord(ButZamknij, polish), {},
                              {polish ? QStringLiteral("Z") : QStringLiteral("C"), QStringLiteral("Esc")});
    LClose->ActAsButton(CloseAreaWord(InPolish()));
}

void TFWarning::ShowButtons(int style)
{
    const bool three = style == 3;
    PButTak->setVisible(three);
    PButNie->setVisible(three);
    PButAnuluj->setVisible(three);
    pButZamknij->setVisible(!three);
}

void TFWarning::SetText(const QString& text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(u'\r', u'\n');
    // At the scrolling width, so that a name fits whether the text scrolls or not.
    LTekstWarning->setText(
        BreakWordsWiderThan(lines, LTekstWarning->fontMetrics(), LTekstWarning->ScrollingWidth(TextBox.width())));
    // A screen reader names the dialog after what it says, as it would a standard message box.
    setAccessibleName(lines.section(u'\n', 0, 0, QString::SectionSkipEmpty));
    setAccessibleDescription(lines.simplified());
    FitToText();
}

void TFWarning::FitToText()
{
    const int tallestDialog = ShownScreen()->availableGeometry().height() * 2 / 3;
    const int growth = LTekstWarning->Fit(TextBox, TextBox.height() + tallestDialog - FormSize.height()) -
                       TextBox.height();
    setFixedSize(FormSize.width(), FormSize.height() + growth);
    ImWarning->setGeometry(QRect(QPoint(0, 0), size()));
    const QImage face = ::LoadResourceImage(FacePicture, ImWarning->devicePixelRatioF());
    ImWarning->setPixmap(QPixmap::fromImage(GrownFace(face, growth)));
    for (QWidget* panel : {PButTak, PButNie, PButAnuluj, pButZamknij})
        panel->move(panel->x(), ButtonTop + growth);
}

void TFWarning::ShowDialogIcon(int icon)
{
    const QString picture = IconPicture(icon);
    if (!picture.isEmpty())
        LoadResourceImage(picture, ImIkona);
    ImIkona->setAccessibleName(IconWord(icon, InPolish()));
}

QScreen* TFWarning::ShownScreen() const
{
    const QWidget* active = QApplication::activeWindow();
    return active && active != this ? active->screen() : QGuiApplication::primaryScreen();
}

void TFWarning::CentreOnScreen()
{
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(ShownScreen()->geometry().center());
    move(frame.topLeft());
}

int TFWarning::ShowModal()
{
    DialogResult = ChoiceNie;
    exec();
    return DialogResult;
}

// Each step loads the two pictures that change, in this order, then moves the highlight.
void TFWarning::HighlightNext()
{
    switch (HighlightedButton) {
    case ButTak:
        LoadButton(ButTak, false);
        LoadButton(ButNie, true);
        HighlightedButton = ButNie;
        break;
    case ButNie:
        LoadButton(ButNie, false);
        LoadButton(ButAnuluj, true);
        HighlightedButton = ButAnuluj;
        break;
    case ButAnuluj:
        LoadButton(ButTak, true);
        LoadButton(ButAnuluj, false);
        HighlightedButton = ButTak;
        break;
    default:
        break;
    }
}

void TFWarning::HighlightPrevious()
{
    switch (HighlightedButton) {
    case ButTak:
        LoadButton(ButTak, false);
        LoadButton(ButAnuluj, true);
        HighlightedButton = ButAnuluj;
        break;
    case ButNie:
        LoadButton(ButNie, false);
        LoadButton(ButTak, true);
        HighlightedButton = ButTak;
        break;
    case ButAnuluj:
        LoadButton(ButNie, true);
        LoadButton(ButAnuluj, false);
        HighlightedButton = ButNie;
        break;
    default:
        break;
    }
}

// Every key is handled here and never passed on: QDialog would close on Esc by itself, and
// no typed character is meant to reach any control.
void TFWarning::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    FormKeyDown(event->key(), IsTabStandIn(event));
}

void TFWarning::FormKeyDown(int key, bool tabPressed)
{
    if (tabPressed)
        HighlightNext();
    if (ChooseByLetter(key))
        return;
    if (key == Qt::Key_Escape && IsShown(pButZamknij)) {
        Choose(0);
        return;
    }
    // Space presses the highlighted button, as it presses a focused button everywhere else.
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        Choose(HighlightedButton == ButZamknij ? 0 : HighlightedButton);
        return;
    }
    if (LTekstWarning->ScrollByKey(key))
        return;
    if (key == Qt::Key_Left)
        HighlightPrevious();
    if (key == Qt::Key_Right)
        HighlightNext();
}

// Anuluj and Zamknij are never shown together, so the English "C" has one meaning at a time.
bool TFWarning::ChooseByLetter(int key)
{
    const bool polish = InPolish();
    struct Letter {
        const QWidget* panel;
        QString letters;
        int result;
    };
    const Letter letters[] = {
        {PButTak, polish ? QStringLiteral("Tt") : QStringLiteral("Yy"), 1},
        {PButNie, QStringLiteral("Nn"), 2},
        {PButAnuluj, polish ? QStringLiteral("Aa") : QStringLiteral("Cc"), 3},
        {pButZamknij, polish ? QStringLiteral("Zz") : QStringLiteral("Cc"), 0},
    };
    for (const Letter& letter : letters) {
        if (IsShown(letter.panel) && KeyMatches(key, letter.letters)) {
            Choose(letter.result);
            return true;
        }
    }
    return false;
}

bool TFWarning::InPolish() const
{
    return DialogLanguage == QStringLiteral("pl");
}

void TFWarning::Choose(int result)
{
    DialogResult = result;
    done(QDialog::Accepted);
}

void TFWarning::LCloseClick()
{
    if (IsShown(PButAnuluj))
        Choose(3);
    else if (IsShown(pButZamknij))
        Choose(0);
}

void TFWarning::LListwaMouseDown(QPoint screenPos)
{
    Dragging = true;
    LastCursor = screenPos;
}

void TFWarning::LListwaMouseMove(QPoint screenPos)
{
    if (!Dragging)
        return;
    move(pos() + (screenPos - LastCursor));
    LastCursor = screenPos;
}

void TFWarning::LListwaMouseUp()
{
    Dragging = false;
}
