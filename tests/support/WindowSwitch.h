#pragma once

#include <QTest>
#include <QWidget>

// What a user does by switching to another program and back: another window becomes active,
// then window again. False if either activation did not happen.
inline bool SwitchAwayAndBack(QWidget& window) {
    QWidget other;
    other.show();
    other.activateWindow();
    if (!QTest::qWaitForWindowActive(&other)) return false;
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}
