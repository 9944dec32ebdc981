#include "warning_text.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>

QString BreakWordsWiderThan(const QString& text, const QFontMetrics& metrics, int width)
{
    static const QRegularExpression word(QStringLiteral("[^\\s]+"));
    QString broken;
    qsizetype copied = 0;
    for (const QRegularExpressionMatch& found : word.globalMatch(text)) {
        if (metrics.horizontalAdvance(found.captured()) <= width)
            continue;
        broken += text.mid(copied, found.capturedStart() - copied);
        const QString longWord = found.captured();
        for (qsizetype i = 0; i < longWord.size(); ++i) {
            broken += longWord.at(i);
            // A surrogate pair stays whole.
            if (i + 1 < longWord.size() && !longWord.at(i).isHighSurrogate())
                broken += QChar(0x200B);
        }
        copied = found.capturedEnd();
    }
    return broken + text.mid(copied);
}

WarningText::WarningText(QWidget* dialog)
    : QLabel(dialog)
{
    Bar = new QScrollBar(Qt::Vertical, dialog);
    Bar->setObjectName(QStringLiteral("SbTekstWarning"));
    // The dialog's keys scroll the text; the bar taking focus would take them away.
    Bar->setFocusPolicy(Qt::NoFocus);
    Bar->hide();
    connect(Bar, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
}

int WarningText::Fit(QRect box, int tallest)
{
    tallest = std::max(tallest, box.height());
    Bar->setValue(0);
    const int needed = heightForWidth(box.width());
    if (needed <= tallest) {
        Bar->hide();
        setGeometry(box.x(), box.y(), box.width(), std::max(box.height(), needed));
        return height();
    }
    const int width = ScrollingWidth(box.width());
    const int barWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, Bar);
    setGeometry(box.x(), box.y(), width, tallest);
    DrawPage();
    Bar->setGeometry(box.x() + box.width() - barWidth, box.y(), barWidth, tallest);
    Bar->setRange(0, int(Page.deviceIndependentSize().height()) - tallest);
    Bar->setPageStep(tallest);
    Bar->setSingleStep(fontMetrics().lineSpacing());
    Bar->show();
    return tallest;
}

int WarningText::ScrollingWidth(int boxWidth) const
{
    return boxWidth - style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, Bar) - 2;
}

bool WarningText::Scrolls() const
{
    return !Bar->isHidden();
}

bool WarningText::ScrollByKey(int key)
{
    if (!Scrolls())
        return false;
    switch (key) {
    case Qt::Key_Up:
        Bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return true;
    case Qt::Key_Down:
        Bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return true;
    case Qt::Key_PageUp:
        Bar->triggerAction(QAbstractSlider::SliderPageStepSub);
        return true;
    case Qt::Key_PageDown:
        Bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        return true;
    case Qt::Key_Home:
        Bar->triggerAction(QAbstractSlider::SliderToMinimum);
        return true;
    case Qt::Key_End:
        Bar->triggerAction(QAbstractSlider::SliderToMaximum);
        return true;
    default:
        return false;
    }
}

void WarningText::wheelEvent(QWheelEvent* event)
{
    if (Scrolls())
        QApplication::sendEvent(Bar, event);
    else
        QLabel::wheelEvent(event);
}

void WarningText::paintEvent(QPaintEvent* event)
{
    if (!Scrolls()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(0, -Bar->value(), Page);
}

// Rendered into a picture first: a widget rendered straight into another's paint lands where
// the other stands in its window, not where the painter is.
void WarningText::DrawPage()
{
    QLabel page;
    page.setFont(font());
    page.setPalette(palette());
    page.setTextFormat(textFormat());
    page.setAlignment(alignment());
    page.setWordWrap(wordWrap());
    page.setText(text());
    page.resize(width(), heightForWidth(width()));
    const qreal scale = devicePixelRatioF();
    Page = QPixmap(page.size() * scale);
    Page.setDevicePixelRatio(scale);
    Page.fill(Qt::transparent);
    page.render(&Page, QPoint(), QRegion(), QWidget::DrawChildren);
}
