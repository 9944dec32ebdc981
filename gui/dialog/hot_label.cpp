#include "hot_label.h"

#include "hot_label_accessible.h"

#include <QMouseEvent>

HotLabel::HotLabel(QWidget* parent)
    : QLabel(parent)
{
    InstallHotLabelAccessibility();
}

void HotLabel::ActAsButton(const QString& name, const QString& description, const QStringList& keys)
{
    button_ = true;
    setAccessibleName(name);
    setAccessibleDescription(description);
    keys_ = keys;
}

void HotLabel::Click()
{
    const QPoint centre = mapToGlobal(rect().center());
    emit pressed(centre);
    emit pressedWithState(Qt::LeftButton, Qt::NoModifier, false);
    emit released();
    emit clicked();
}

// While a button is held Qt grabs the mouse for the widget pressed on, so moves and the
// release arrive here even when the pointer has left the label.

void HotLabel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    emit pressed(event->globalPosition().toPoint());
    // A double click's second press arrives here too, as its own event type.
    emit pressedWithState(event->buttons(), event->modifiers(),
                          event->type() == QEvent::MouseButtonDblClick);
}

void HotLabel::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    emit moved(event->globalPosition().toPoint());
}

void HotLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    emit released();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
