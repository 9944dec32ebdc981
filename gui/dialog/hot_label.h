#pragma once
// A label that reports what the mouse does on it: the dialog's close area, its title strip
// and its button pictures are all such labels, and so are the main window's hot areas.
#include <QLabel>
#include <QPoint>

class HotLabel : public QLabel {
    Q_OBJECT

public:
    explicit HotLabel(QWidget* parent = nullptr);

    // The label lies over a button drawn in the picture: screen readers are told it is a
    // button called `name`, what it does (a sentence) and its keys, and may press it
    // (hot_label_accessible.h).
    void ActAsButton(const QString& name, const QString& description = {}, const QStringList& keys = {});
    const QStringList& Keys() const { return keys_; }
    bool ActsAsButton() const { return button_; }
    // What a plain left click would do: the press, the release, the click.
    void Click();

signals:
    // Any button; positions are on the screen.
    void pressed(QPoint screenPos);
    // The whole state of a press: the buttons and modifiers held, and whether it is the
    // second press of a double click.
    void pressedWithState(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, bool doubleClick);
    void moved(QPoint screenPos);
    void released();
    // The left button released over the label after a press on it.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool button_ = false;
    QStringList keys_;
};
