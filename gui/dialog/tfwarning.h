#pragma once
// The program's message dialog: a borderless, picture-skinned window with an icon, a text
// and picture buttons (Zamknij alone, or Tak, Nie, Anuluj). One exists for the whole run;
// ShowMessageBox prepares and shows it.
#include <QDialog>
#include <QPoint>
#include <QString>

#include "dialog_button.h"

class HotLabel;
class QLabel;
class QScreen;
class WarningText;

class TFWarning : public QDialog {
    Q_OBJECT

public:
    explicit TFWarning(QWidget* parent = nullptr);

    // "pl" selects the Polish pictures and key letters; any other value the English ones.
    // Takes effect with the next PrepareDialogImages.
    void SetLanguage(const QString& language) { DialogLanguage = language; }

    // Reloads the face and button pictures and the highlight for `style` (1 or 3).
    void PrepareDialogImages(int style);
    // Shows Zamknij alone for style 1, else Tak, Nie and Anuluj.
    void ShowButtons(int style);
    // A "\r" in `text` starts a new line. A text taller than the face's box grows the dialog
    // downwards, up to two thirds of the screen's height; beyond that the text scrolls.
    void SetText(const QString& text);
    // Icon 1 information, 2 question, 3 warning; any other value keeps the current picture.
    void ShowDialogIcon(int icon);
    // Moves the dialog to the middle of the screen it is shown on.
    void CentreOnScreen();
    // Shows the dialog modally. Gives the choice made: 0 Zamknij, 1 Tak, 2 Nie, 3 Anuluj; 2
    // when the dialog was closed without one.
    int ShowModal();

    // Move the highlight among Tak, Nie and Anuluj, wrapping around; nothing with Zamknij.
    void HighlightNext();
    void HighlightPrevious();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormKeyDown(int key, bool tabPressed);
    bool InPolish() const;
    QScreen* ShownScreen() const;
    void FitToText();
    bool ChooseByLetter(int key);
    void Choose(int result);
    void LoadButton(int button, bool highlighted);
    void NameButtons();

    void LCloseClick();
    void LListwaMouseDown(QPoint screenPos);
    void LListwaMouseMove(QPoint screenPos);
    void LListwaMouseUp();

    QWidget* MakeButton(const char* panelName, const char* imageName, int left, HotLabel** image);

    QLabel* ImWarning;
    QWidget* PIkona;
    QLabel* ImIkona;
    WarningText* LTekstWarning;
    HotLabel* LClose;
    HotLabel* LListwa;
    QWidget* PButTak;
    QWidget* PButNie;
    QWidget* PButAnuluj;
    QWidget* pButZamknij;
    HotLabel* ImButTak;
    HotLabel* ImButNie;
    HotLabel* ImButAnuluj;
    HotLabel* ImButZamknij;

    QString DialogLanguage = QStringLiteral("pl");
    // The choice of the display under way.
    int DialogResult = 0;
    // The button whose highlighted picture is shown and which Enter chooses.
    int HighlightedButton = ButZamknij;
    // True while the title strip is held down.
    bool Dragging = false;
    // The pointer's last screen position seen while dragging.
    QPoint LastCursor;
};
