#include "page_zoom.h"

#include "viewer_settings.h"

#include <QChildEvent>
#include <QWebEngineView>
#include <QWheelEvent>

#include <array>

namespace {

// Chromium's own steps, from half to three times the page's size.
constexpr std::array<qreal, 13> kSteps = {0.5, 0.67, 0.75, 0.8, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};
// Far less than between any two steps: a stored factor may be off its step by a rounding error.
constexpr qreal kTolerance = 0.001;
// One notch of a wheel, in eighths of a degree; touchpads send a notch in many small parts.
constexpr int kWheelNotch = 120;

// A value edited by hand into something else than a factor in the steps' range is not used.
qreal KeptFactor()
{
    bool ok = false;
    const qreal factor = ViewerSettings().value(QLatin1String(kPageZoomSetting)).toDouble(&ok);
    return ok && factor >= kSteps.front() && factor <= kSteps.back() ? factor : 1.0;
}

}  // namespace

PageZoom::PageZoom(QWebEngineView* view)
    : QObject(view), view_(view)
{
    view_->setZoomFactor(KeptFactor());
    // The wheel reaches the render widget, which comes and goes with the render process.
    view_->installEventFilter(this);
    for (QObject* child : view_->children())
        WatchWheel(child);
}

void PageZoom::WatchWheel(QObject* child)
{
    if (child->isWidgetType())
        child->installEventFilter(this);
}

void PageZoom::ZoomIn()
{
    const qreal now = view_->zoomFactor();
    for (const qreal step : kSteps) {
        if (step > now + kTolerance)
            return Set(step);
    }
}

void PageZoom::ZoomOut()
{
    const qreal now = view_->zoomFactor();
    for (auto step = kSteps.rbegin(); step != kSteps.rend(); ++step) {
        if (*step < now - kTolerance)
            return Set(*step);
    }
}

void PageZoom::Reset()
{
    Set(1.0);
}

void PageZoom::Set(qreal factor)
{
    view_->setZoomFactor(factor);
    ViewerSettings().setValue(QLatin1String(kPageZoomSetting), factor);
}

bool PageZoom::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view_ && event->type() == QEvent::ChildAdded) {
        WatchWheel(static_cast<QChildEvent*>(event)->child());
        return false;
    }
    if (event->type() != QEvent::Wheel)
        return false;
    const auto* wheel = static_cast<QWheelEvent*>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier))
        return false;
    wheelTurn_ += wheel->angleDelta().y();
    for (; wheelTurn_ >= kWheelNotch; wheelTurn_ -= kWheelNotch)
        ZoomIn();
    for (; wheelTurn_ <= -kWheelNotch; wheelTurn_ += kWheelNotch)
        ZoomOut();
    // Neither scrolled nor sized again by the page itself.
    return true;
}
