#pragma once
// The dialog's text box. It keeps the face's box while the text fits; a longer text makes it
// taller, up to the height it is allowed; beyond that the text scrolls, by the keys, the wheel
// and a bar at its side, so that no word of a message is out of reach.
#include <QLabel>
#include <QPixmap>
#include <QRect>

class QFontMetrics;
class QScrollBar;

// `text` with a break opportunity (a zero-width space) after each character of every word wider
// than `width`: a label's word wrap breaks only between words, and would cut a long file name
// at the box's edge. Other words are left as they are.
QString BreakWordsWiderThan(const QString& text, const QFontMetrics& metrics, int width);

class WarningText : public QLabel {
    Q_OBJECT

public:
    // The box and its bar are children of `dialog`, placed by Fit.
    explicit WarningText(QWidget* dialog);

    // Places the box at `box`, as tall as the text needs at `box`'s width but never lower than
    // `box` nor taller than `tallest`, and shows the text from its start. Gives the box's height.
    int Fit(QRect box, int tallest);
    bool Scrolls() const;
    // The text's width in a box `boxWidth` wide while it scrolls: the bar takes its side.
    int ScrollingWidth(int boxWidth) const;
    // Moves the text by Up, Down, PgUp, PgDn, Home or End while it scrolls; false for any other
    // key, or when the text fits.
    bool ScrollByKey(int key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void DrawPage();

    QScrollBar* Bar;
    // The whole text as this label would draw it in a box tall enough, painted into this one
    // from where the bar stands. Drawn by a label outside the window's widgets, so that no
    // screen reader hears the text twice.
    QPixmap Page;
};
