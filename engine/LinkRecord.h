#pragma once

#include <QString>

// One link printed by the section engine: its target section and where it was printed.
struct LinkRecord {
    QString Target;
    qint32 X = 0;
    qint32 Y = 0;
    qint32 Width = 0;
    qint32 Height = 0;

    bool operator==(const LinkRecord&) const = default;
};
