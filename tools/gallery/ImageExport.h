#pragma once

#include <QImage>
#include <QRegion>
#include <QString>

// The finished image of a control as others see it: pixels outside its see-through mask
// become transparent (an empty mask means the whole rectangle shows).
QImage ImageWithMask(const QImage& surface, const QRegion& mask);

bool SavePng(const QImage& image, const QString& path);
