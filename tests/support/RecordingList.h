#pragma once

#include <QStringList>

#include "ListTarget.h"

class RecordingList : public ListTarget {
public:
    QStringList rows;
    int clearCount = 0;

    void Clear() override {
        rows.clear();
        ++clearCount;
    }
    void AddItem(const QString& text) override { rows.append(text); }
};
