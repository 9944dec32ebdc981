#pragma once
// A short word over the foot of the page that a command has done what it was asked
// ("Skopiowano", "Wysłano do drukarki: 3 str."): a copy or a print gives no other sign, and a
// user who sees none tries again. It asks nothing and goes by itself.
#include <QLabel>
#include <QTimer>

class WindowNotice : public QLabel {
public:
    static constexpr int kShownMs = 2500;

    // Shown over the bottom of `area`, in the coordinates of `parent`.
    WindowNotice(QWidget* parent, QRect area);
    void Tell(const QString& text);

private:
    QRect area_;
    QTimer hide_;
};
