#include "dialogs/AccessibleNames.h"

#include "dialogs/ProgramDialog.h"
#include "widgets/TOfficeButton.h"
#include "widgets/TOfficeLabel.h"
#include "widgets/TTransparentButton2.h"

#include <QAccessibleWidget>

namespace AccessibleNames {

namespace {

// The caption a player reads on one of the program's own controls.
QString captionOf(const QWidget* control)
{
    if (auto* link = qobject_cast<const TOfficeLabel*>(control))
        return link->caption();
    if (auto* button = qobject_cast<const TOfficeButton*>(control))
        return button->caption();
    if (auto* picture = qobject_cast<const TTransparentButton2*>(control))
        return picture->caption();
    return {};
}

// Named when asked, so that a caption changed later is read as it is now.
class NamedControl : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        const QWidget* control = widget();
        if (!control->accessibleName().isEmpty())
            return control->accessibleName();
        const QString caption = captionOf(control);
        return caption.isEmpty() ? control->statusTip() : QString(caption).remove(QLatin1Char('&'));
    }
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (qobject_cast<ProgramDialog*>(widget))
        return new NamedControl(widget, QAccessible::Dialog);
    if (className == QLatin1String("TOfficeLabel"))
        return new NamedControl(widget, QAccessible::Link);
    for (const char* button : {"TOfficeButton", "TTransparentButton2", "THemisphereButton", "HoleShape"})
        if (className == QLatin1String(button))
            return new NamedControl(widget, QAccessible::Button);
    return nullptr;
}

} // namespace

void install()
{
    QAccessible::installFactory(interfaceFor);
}

} // namespace AccessibleNames
