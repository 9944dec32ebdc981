#include "window_face.h"

#include "hot_label_accessible.h"

#include "command_table.h"
#include "hot_label.h"
#include "html_view.h"
#include "resource_image.h"

#include <QWidget>

namespace layout = browser_layout;

namespace {

constexpr auto kBackgroundPictureName = "tlo";

QWidget* Panel(QWidget* parent, const char* name, QRect rect)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(rect);
    return panel;
}

}  // namespace

HotLabel* WindowFace::HotAreaOf(layout::HotArea area) const
{
    for (const layout::HotAreaPlace& place : layout::kHotAreas)
        if (place.area == area)
            return PPodTlo->findChild<HotLabel*>(QString::fromLatin1(place.objectName));
    return nullptr;
}

WindowFace BuildWindowFace(QWidget* window)
{
    window->setFixedSize(layout::kClientSize);
    QPalette white = window->palette();
    white.setColor(QPalette::Window, Qt::white);
    window->setPalette(white);
    window->setAutoFillBackground(true);

    WindowFace face{};
    face.PPodTlo = Panel(window, "PPodTlo", layout::kBackgroundPanel);
    face.ImTlo = new HotLabel(face.PPodTlo);
    face.ImTlo->setObjectName(QStringLiteral("ImTlo"));
    face.ImTlo->setGeometry(layout::kBackgroundPicture);
    MarkDecorative(face.ImTlo);
    face.ImTlo->setPixmap(QPixmap::fromImage(
        LoadResourceImage(QString::fromLatin1(kBackgroundPictureName), face.ImTlo->devicePixelRatioF())));

    face.PPodWebbrowser = Panel(face.PPodTlo, "PPodWebbrowser", layout::kViewPanel);
    face.PPodWebbrowser->setAutoFillBackground(true);
    face.WebBrowser = new HtmlView(face.PPodWebbrowser);
    face.WebBrowser->setObjectName(QStringLiteral("WebBrowser"));
    face.WebBrowser->setGeometry(QRect(QPoint(0, 0), layout::kViewPanel.size()));

    for (const layout::HotAreaPlace& place : layout::kHotAreas) {
        auto* label = new HotLabel(face.PPodTlo);
        label->setObjectName(QString::fromLatin1(place.objectName));
        label->setGeometry(place.rect);
        label->setCursor(Qt::PointingHandCursor);
        const CommandRow& row = RowOf(place.area);
        QStringList keys;
        for (const QKeySequence& shortcut : ShortcutsOf(row.command))
            keys << shortcut.toString(QKeySequence::NativeText);
        label->ActAsButton(QString::fromUtf8(row.word), QString::fromUtf8(row.description), keys);
    }
    return face;
}
