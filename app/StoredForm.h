#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

#include "PropertyBag.h"

// A window's stored data: the window's own properties and one block per control, in creation
// order (a container comes before what it holds; later controls lie in front of earlier ones).
//
//   form form1
//     caption = str "Veltrane"
//   end
//   control FxFrame FxFrame1 in safetabs2 at 240 720 6255 3015 code 0 tabstop false
//     caption = str "预览效果"
//   end
//
// The header gives the type, the name, the container and the place in twips (left, top, width,
// height); "code" (the tab code kept in WhatsThisHelpID) and "tabstop" are optional. The lines
// of a block are entries in the property bag's text form. Blank lines and lines starting with
// '#' are ignored; a malformed header skips its block, a malformed entry line is skipped.
struct StoredControl {
    QString type;
    QString name;
    QString container;
    QRect place;  // twips
    int code = 0;
    std::optional<bool> tabStop;
    PropertyBag properties;
};

struct StoredForm {
    QString name;
    PropertyBag properties;
    QList<StoredControl> controls;
    // What was skipped, by line number, for whoever edits the data.
    QStringList problems;

    static StoredForm FromText(QStringView text);
    // The data of the named window compiled into the program (for example "form1").
    static StoredForm FromResource(const QString& name);
};
