#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// Places controls at their design positions, given in twips.
namespace Layout {

QSize TwipsToPixels(QSize twips);
QRect TwipsToPixels(QRect twips);
void PlaceTwips(QWidget* widget, QRect twips);

}  // namespace Layout
