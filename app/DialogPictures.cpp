#include "DialogPictures.h"

#include <QString>

namespace DialogPictures {

namespace {

QImage Load(const char* name) {
    return QImage(QStringLiteral(":/images/") + QLatin1String(name));
}

}  // namespace

QImage Classic() {
    return Load("dialog_classic.png");
}

QImage Large() {
    return Load("dialog_large.png");
}

QImage Dragon() {
    return Load("dialog_dragon.png");
}

QImage Task() {
    return Load("dialog_task.png");
}

QImage Notice() {
    return Load("notice_panel.png");
}

QImage Title() {
    return Load("title_scene.png");
}

QImage WindowIcon() {
    return Load("window_icon.png");
}

QImage WindowIcon32() {
    return Load("window_icon32.png");
}

QImage WindowIcon16() {
    return Load("window_icon16.png");
}

}  // namespace DialogPictures
