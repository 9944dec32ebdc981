#include "start_hint.h"

StartHint::StartHint(QWidget* parent, QRect area) : QLabel(QString::fromUtf8(kText), parent)
{
    setObjectName(QStringLiteral("StartHint"));
    setAccessibleName(text());
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    // The skin's brown on the view's white, as the window's own captions are drawn.
    setStyleSheet(QStringLiteral("QLabel { background: white; color: #6b4a2b; font-size: 13px; padding: 0 40px; }"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(area);
    show();
    raise();
}
