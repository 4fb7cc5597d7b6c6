#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QWidget>

#include "SubclassClient.h"
#include "WindowHook.h"
#include "WindowMessages.h"

using namespace WindowMessages;

namespace {

// A window that records what reaches its own handling.
class RecordingWindow : public QWidget {
public:
    int paints = 0;
    QList<QPoint> presses;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
    void mousePressEvent(QMouseEvent* e) override { presses.append(e->position().toPoint()); }
};

struct Call {
    bool before;
    quint32 message;
    qint32 wParam;
    qint32 lParam;
};

class RecordingClient : public SubclassClient {
public:
    QList<Call> calls;
    bool handlePaint = true;
    qint32 paintResult = 0;
    qint32 shiftLParamBy = 0;

    void zSubclass_Proc(bool before, bool& handled, qint32& result, QWidget*&, quint32& message,
                        qint32& wParam, qint32& lParam) override {
        calls.append({before, message, wParam, lParam});
        if (before && message == WM_PAINT && handlePaint) {
            handled = true;
            result = paintResult;
        }
        if (before && message == WM_LBUTTONDOWN) lParam += shiftLParamBy;
    }
};

void SendPaint(QWidget& w) {
    QPaintEvent paint(w.rect());
    QCoreApplication::sendEvent(&w, &paint);
}

void SendPress(QWidget& w, QPoint p) {
    QMouseEvent press(QEvent::MouseButtonPress, p, w.mapToGlobal(QPointF(p)), Qt::LeftButton,
                      Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(&w, &press);
}

struct HookFixture : ::testing::Test {
    RecordingWindow window;
    RecordingClient client;
    WindowHook hook{&client};
    void SetUp() override { window.resize(50, 40); }
};

}  // namespace

TEST(WindowMessagesTest, PacksPointsAsSixteenBitWords) {
    EXPECT_EQ(MakeLParam(5, 7), 0x00070005);
    EXPECT_EQ(MakeLParam(-1, 2), 0x0002FFFF);
    EXPECT_EQ(SignedLoWord(MakeLParam(-3, 9)), -3);
    EXPECT_EQ(SignedHiWord(MakeLParam(4, -9)), -9);
}

TEST_F(HookFixture, HandledPaintNeverReachesTheWindowAndReturnsZero) {
    const int index = hook.AttachWindowHook(&window);
    hook.HookMessage(&window, WM_PAINT, HookPhase::Before);
    client.paintResult = 0;
    SendPaint(window);
    EXPECT_EQ(window.paints, 0);
    ASSERT_EQ(client.calls.size(), 1);
    EXPECT_TRUE(client.calls[0].before);
    EXPECT_EQ(hook.Entry(index)->LastResult(), 0);
}

TEST_F(HookFixture, MessageSubscribedTwiceIsRoutedOncePerPhase) {
    const int index = hook.AttachWindowHook(&window);
    hook.HookMessage(&window, WM_LBUTTONDOWN, HookPhase::Before);
    hook.HookMessage(&window, WM_LBUTTONDOWN, HookPhase::Both);
    EXPECT_EQ(hook.Entry(index)->Before().count, 1);
    SendPress(window, {3, 4});
    ASSERT_EQ(client.calls.size(), 2);
    EXPECT_TRUE(client.calls[0].before);
    EXPECT_FALSE(client.calls[1].before);
    EXPECT_EQ(client.calls[0].message, WM_LBUTTONDOWN);
    EXPECT_EQ(client.calls[0].wParam, MK_LBUTTON | MK_SHIFT);
    EXPECT_EQ(client.calls[0].lParam, MakeLParam(3, 4));
    EXPECT_EQ(window.presses, QList<QPoint>{QPoint(3, 4)});
}

TEST_F(HookFixture, UnsubscribedMessagesPassUnchanged) {
    hook.AttachWindowHook(&window);
    hook.HookMessage(&window, WM_MOUSEMOVE, HookPhase::Before);
    SendPress(window, {6, 8});
    SendPaint(window);
    EXPECT_TRUE(client.calls.isEmpty());
    EXPECT_EQ(window.presses, QList<QPoint>{QPoint(6, 8)});
    EXPECT_EQ(window.paints, 1);
}

TEST_F(HookFixture, WindowSeesParametersAsTheBeforePhaseLeftThem) {
    hook.AttachWindowHook(&window);
    hook.HookMessage(&window, WM_LBUTTONDOWN, HookPhase::Before);
    client.shiftLParamBy = MakeLParam(10, 1);
    SendPress(window, {2, 3});
    EXPECT_EQ(window.presses, QList<QPoint>{QPoint(12, 4)});
}

TEST_F(HookFixture, DetachRestoresTheWindowsOwnHandling) {
    hook.AttachWindowHook(&window);
    hook.HookMessage(&window, WM_PAINT, HookPhase::Before);
    hook.HookMessage(&window, WM_LBUTTONDOWN, HookPhase::Before);
    hook.DetachAllHooks();
    EXPECT_FALSE(hook.IsAttached());
    SendPaint(window);
    SendPress(window, {1, 1});
    EXPECT_TRUE(client.calls.isEmpty());
    EXPECT_EQ(window.paints, 1);
    EXPECT_EQ(window.presses.size(), 1);
    // A freed record is taken again by the next attach.
    EXPECT_EQ(hook.AttachWindowHook(&window), 0);
    EXPECT_EQ(hook.RecordCount(), 1);
}

TEST_F(HookFixture, SubscriptionAfterAttachingTakesEffectAtOnce) {
    hook.AttachWindowHook(&window);
    SendPaint(window);
    hook.HookMessage(&window, WM_PAINT, HookPhase::Before);
    SendPaint(window);
    EXPECT_EQ(window.paints, 1);
    EXPECT_EQ(client.calls.size(), 1);
}
