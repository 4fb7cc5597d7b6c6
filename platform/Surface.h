#pragma once

#include <QImage>
#include <QSize>

// A drawing surface with a persistent image (RGB32) and device-context state. Every custom
// control draws on one; its operations follow GDI's pixel rules.
class Surface {
public:
    explicit Surface(QSize size = QSize(1, 1));

    QSize size() const { return m_image.size(); }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }

    // Changes the size; the image is cleared to the background colour.
    void Resize(QSize size);

    const QImage& image() const { return m_image; }
    QImage& image() { return m_image; }

private:
    QImage m_image;
};
