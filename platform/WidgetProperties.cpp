#include "WidgetProperties.h"

#include <QWidget>

#include "Colors.h"
#include "PropertyBag.h"

namespace WidgetProperties {

void ReadCommon(QWidget* widget, const PropertyBag& bag, QPalette::ColorRole foreRole,
                QPalette::ColorRole backRole) {
    widget->setFont(bag.Read<QFont>(QStringLiteral("Font"), widget->font()));
    QPalette palette = widget->palette();
    const auto readColor = [&](const QString& key, QPalette::ColorRole role) {
        if (bag.Contains(key)) palette.setColor(role, Colors::ToQColor(bag.Read<quint32>(key, 0u)));
    };
    readColor(QStringLiteral("ForeColor"), foreRole);
    readColor(QStringLiteral("BackColor"), backRole);
    widget->setPalette(palette);
    widget->setEnabled(bag.Read<bool>(QStringLiteral("Enabled"), true));
}

}  // namespace WidgetProperties
