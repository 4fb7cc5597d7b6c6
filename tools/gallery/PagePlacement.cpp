#include "PagePlacement.h"

#include <QPalette>

#include "Colors.h"

QWidget* NewPage(QSize size) {
    auto* page = new QWidget;
    page->setAutoFillBackground(true);
    QPalette palette = page->palette();
    palette.setColor(QPalette::Window, Colors::ToQColor(Colors::kButtonFace));
    page->setPalette(palette);
    page->setFixedSize(size);
    return page;
}
