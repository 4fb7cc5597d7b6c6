#include "WidgetProperties.h"

#include <QWidget>

#include "Colors.h"
#include "PropertyBag.h"

namespace WidgetProperties {

void ReadCommon(QWidget* widget, const PropertyBag& bag, QPalette::ColorRole foreRole,
                QPalette::ColorRole backRole) {
    widget->setFont(bag.Read<QFont>(QStringLiteral("Font"), widget->font()));
    QPalette palette = widget->palette();
    const QVariant fore = bag.ReadProperty(QStringLiteral("ForeColor"), QVariant::fromValue(0u));
    if (bag.Contains(QStringLiteral("ForeColor")))
        palette.setColor(foreRole, Colors::ToQColor(fore.value<quint32>()));
    const QVariant back = bag.ReadProperty(QStringLiteral("BackColor"), QVariant::fromValue(0u));
    if (bag.Contains(QStringLiteral("BackColor")))
        palette.setColor(backRole, Colors::ToQColor(back.value<quint32>()));
    widget->setPalette(palette);
    widget->setEnabled(bag.Read<bool>(QStringLiteral("Enabled"), true));
}

}  // namespace WidgetProperties
