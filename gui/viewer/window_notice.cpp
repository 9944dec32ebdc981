#include "window_notice.h"

#include <QAccessible>

namespace {

constexpr int kHeight = 26;
constexpr int kMargin = 12;

}  // namespace

WindowNotice::WindowNotice(QWidget* parent, QRect area) : QLabel(parent), area_(area)
{
    setObjectName(QStringLiteral("Notice"));
    setAlignment(Qt::AlignCenter);
    setStyleSheet(QStringLiteral("QLabel { background: rgba(48, 32, 16, 225); color: white; border-radius: 6px;"
                                 " padding: 0 12px; font-weight: bold; }"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    hide_.setSingleShot(true);
    hide_.setInterval(kShownMs);
    connect(&hide_, &QTimer::timeout, this, &QWidget::hide);
}

void WindowNotice::Tell(const QString& text)
{
    setText(text);
    setAccessibleName(text);
    const int width = qMin(sizeHint().width() + 2 * kMargin, area_.width() - 2 * kMargin);
    setGeometry(area_.center().x() - width / 2, area_.bottom() - kHeight - kMargin, width, kHeight);
    show();
    raise();
    QAccessibleEvent said(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&said);
    hide_.start();
}
