#include "Surface.h"

Surface::Surface(QSize size) : m_image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32) {
    m_image.fill(Qt::black);
}

void Surface::Resize(QSize size) {
    m_image = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_image.fill(Qt::black);
}
