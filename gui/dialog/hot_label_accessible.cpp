#include "hot_label_accessible.h"

#include "hot_label.h"

#include <QAccessibleWidget>

namespace {

class HotLabelAccessible : public QAccessibleWidget {
public:
    explicit HotLabelAccessible(HotLabel* label)
        : QAccessibleWidget(label, QAccessible::Button)
    {
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    QStringList keyBindingsForAction(const QString& actionName) const override
    {
        if (actionName == pressAction())
            return static_cast<const HotLabel*>(widget())->Keys();
        return QAccessibleWidget::keyBindingsForAction(actionName);
    }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction())
            static_cast<HotLabel*>(widget())->Click();
        else
            QAccessibleWidget::doAction(actionName);
    }
};

constexpr const char* kDecorative = "ulnikDecorative";

class DecorativeAccessible : public QAccessibleWidget {
public:
    explicit DecorativeAccessible(QWidget* picture) : QAccessibleWidget(picture, QAccessible::Graphic) {}

    QAccessible::State state() const override
    {
        QAccessible::State hidden = QAccessibleWidget::state();
        hidden.invisible = true;
        return hidden;
    }
};

QAccessibleInterface* HotLabelFactory(const QString& className, QObject* object)
{
    if (auto* widget = qobject_cast<QWidget*>(object); widget && widget->property(kDecorative).toBool())
        return new DecorativeAccessible(widget);
    if (className != QLatin1String(HotLabel::staticMetaObject.className()))
        return nullptr;
    auto* label = qobject_cast<HotLabel*>(object);
    // The rest (the pictures and the title strip) are left to Qt, as the labels they are.
    return label && label->ActsAsButton() ? new HotLabelAccessible(label) : nullptr;
}

}  // namespace

void MarkDecorative(QWidget* picture)
{
    InstallHotLabelAccessibility();
    picture->setProperty(kDecorative, true);
}

void InstallHotLabelAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(HotLabelFactory);
        return true;
    }();
    (void)installed;
}
