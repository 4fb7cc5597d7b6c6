#pragma once

#include <QString>

// A list box as the engines fill it: rows appended in call order, never sorted.
class ListTarget {
public:
    virtual ~ListTarget() = default;
    virtual void Clear() = 0;
    virtual void AddItem(const QString& text) = 0;
};
