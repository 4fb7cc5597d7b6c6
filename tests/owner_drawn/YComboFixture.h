#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <QWheelEvent>
#include <memory>

#include "Clock.h"
#include "ColorBlend.h"
#include "PropertyBag.h"
#include "YCombo.h"
#include "YComboPrompt.h"

using ColorBlend::BlendColor;
using ScrollPart = YCombo::ScrollPart;

// Shared by the drop-down list tests (one fixture class for both files, so not in an anonymous
// namespace).
constexpr int kWidth = 160;
constexpr quint32 kFillFocus = 0x0000FF;
constexpr quint32 kFillUp = 0x00FF00;
constexpr quint32 kBkg1 = 0xEEEEEE;
constexpr quint32 kBkg2 = 0xDDDDDD;

// A live closed box of 160 x 20 on a shown window, on the manual clock, with plain colours
// for its rows; every event it raises is recorded.
struct YComboFixture : ::testing::Test {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    YCombo* combo = nullptr;
    QStringList events;

    void SetUp() override {
        Clock::UseManualTime(10000);
        window->resize(400, 300);
        combo = new YCombo(window.get());
        combo->SetName("YCombo1");
        combo->setGeometry(20, 30, kWidth, 20);
        combo->Load(Stored());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QObject::connect(combo, &YCombo::Click,
                         [this](const QString& t) { events << "Click " + t; });
        QObject::connect(combo, &YCombo::Change, [this] { events << "Change"; });
        QObject::connect(combo, &YCombo::MouseUp, [this] { events << "MouseUp"; });
        QObject::connect(combo, &YCombo::KeyDown,
                         [this](int key, int) { events << QString("KeyDown %1").arg(key); });
    }
    void TearDown() override {
        window.reset();
        Clock::UseSystemTime();
    }

    static PropertyBag Stored(int style = 0) {
        PropertyBag bag;
        bag.WriteProperty("IsDrawFocus", true);
        bag.WriteProperty("IsDrawHover", true);
        bag.WriteProperty("clrFillFocus", kFillFocus);
        bag.WriteProperty("clrFillUp", kFillUp);
        bag.WriteProperty("clrBkgNormal1", kBkg1);
        bag.WriteProperty("clrBkgNormal2", kBkg2);
        bag.WriteProperty("Style", style);
        return bag;
    }
    void AddItems(int n) {
        for (int i = 0; i < n; ++i)
            combo->AddItem(QString("item%1").arg(i));
        Clock::Advance(YCombo::kInitDelayMs);
    }
    void Mouse(QEvent::Type type, QPoint p, Qt::MouseButtons held = Qt::NoButton) {
        const Qt::MouseButton which = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QCursor::setPos(combo->mapToGlobal(p));
        QMouseEvent event(type, p, combo->mapToGlobal(QPointF(p)), which, held, Qt::NoModifier);
        QApplication::sendEvent(combo, &event);
    }
    void Press(QPoint p) { Mouse(QEvent::MouseButtonPress, p, Qt::LeftButton); }
    void Release(QPoint p) { Mouse(QEvent::MouseButtonRelease, p); }
    void Click(QPoint p) {
        Press(p);
        Release(p);
    }
    void Move(QPoint p) {
        Clock::Advance(YCombo::kMoveThrottleMs);
        Mouse(QEvent::MouseMove, p);
    }
    void Key(Qt::Key key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(combo, &press);
    }
    void Wheel(int delta) {
        const QPointF at(10, 30);
        QWheelEvent wheel(at, combo->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &wheel);
    }
    // Paints the control as the screen would (an open list once its window is up) and gives one
    // pixel of what it showed.
    quint32 Shown(int x, int y) {
        if (combo->isWindow()) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(combo));
        }
        combo->repaint();
        return combo->surface().GetPixel(x, y);
    }
};
