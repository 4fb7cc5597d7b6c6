#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <functional>

class QWidget;
class UserControl;

// One control the gallery knows: how to make an instance for the render command, and the page
// that shows its variants. Adding a control is one entry in Controls() and one page file.
struct GalleryControl {
    QString className;                                    // as the render command names it
    std::function<UserControl*(QWidget* parent)> create;  // a bare instance, not yet loaded
    QSize defaultSize;                                    // outer size in pixels without --size
    std::function<void(UserControl*, bool)> setEnabled;   // the control's own Enabled property
    QString pageTitle;
    std::function<QWidget*()> buildPage;
    // Controls with a list: adds one item (from stored "item" entries and --do additem).
    std::function<void(UserControl*, const QString&)> addItem = {};
    // The finished image, when more than the control's surface shows (parts of its own).
    std::function<QImage(UserControl*)> snapshot = {};
};

const QList<GalleryControl>& Controls();
const GalleryControl* FindControl(const QString& className);
