#include "Layout.h"

#include <QWidget>

#include "Units.h"

namespace Layout {

QSize TwipsToPixels(QSize twips) {
    return QSize(Units::TwipsToPixels(twips.width()), Units::TwipsToPixels(twips.height()));
}

QRect TwipsToPixels(QRect twips) {
    return QRect(QPoint(Units::TwipsToPixels(twips.x()), Units::TwipsToPixels(twips.y())),
                 TwipsToPixels(twips.size()));
}

void PlaceTwips(QWidget* widget, QRect twips) {
    widget->setGeometry(TwipsToPixels(twips));
}

}  // namespace Layout
