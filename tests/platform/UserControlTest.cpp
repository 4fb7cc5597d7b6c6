#include "UserControl.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QShortcutEvent>
#include <QSignalSpy>
#include <QTest>
#include <stdexcept>

#include <gtest/gtest.h>

#include "Colors.h"
#include "PropertyBag.h"
#include "Units.h"
#include "VirtualKeys.h"

namespace {

// A control that logs its hooks and keeps two properties, as a real control would.
class ProbeControl : public UserControl {
public:
    using UserControl::UserControl;

    QStringList log;
    QString caption;
    quint32 windowColor = 0;
    quint32 skinColor = 0;
    QRgb fill = qRgb(0, 128, 0);
    QRgb paintFill = 0;  // drawn in OnPaint when set
    bool failRead = false;

    void Change(const QString& name) { PropertyChanged(name); }
    void RedrawNow() { Redraw(); }

protected:
    void InitProperties() override {
        log << "init";
        caption = Name();
    }
    void ReadProperties(const PropertyBag& bag) override {
        log << "read";
        caption = bag.Read<QString>(QStringLiteral("Caption"), Name());
        if (failRead) throw std::runtime_error("unreadable");
        windowColor = bag.Read<quint32>(QStringLiteral("BackColor"), 1u);
        skinColor = bag.Read<quint32>(QStringLiteral("backColor"), 2u);
    }
    void ApplyProperties() override { log << "apply"; }
    void WriteProperties(PropertyBag& bag) override {
        bag.WriteProperty(QStringLiteral("Caption"), caption, Name());
    }
    void Redraw() override {
        log << "redraw";
        surface().image().fill(fill);
    }
    void OnResize() override {
        log << "resize";
        UserControl::OnResize();
    }
    void OnPaint() override {
        log << "paint";
        if (paintFill) surface().image().fill(paintFill);
    }
    void OnShow() override { log << "show"; }
    void OnHide() override { log << "hide"; }
    void OnGotFocus() override { log << "gotfocus"; }
    void OnLostFocus() override { log << "lostfocus"; }
    void OnMouseDown(int b, int s, float x, float y) override { Mouse("down", b, s, x, y); }
    void OnMouseMove(int b, int s, float x, float y) override { Mouse("move", b, s, x, y); }
    void OnMouseUp(int b, int s, float x, float y) override { Mouse("up", b, s, x, y); }
    void OnDblClick(int b, int s, float x, float y) override { Mouse("dblclick", b, s, x, y); }
    void OnClick() override { log << "click"; }
    void OnKeyDown(int code, int shift) override {
        log << QStringLiteral("keydown %1 %2").arg(code).arg(shift);
    }
    void OnKeyUp(int code, int shift) override {
        log << QStringLiteral("keyup %1 %2").arg(code).arg(shift);
    }
    void OnKeyPress(int ascii) override { log << QStringLiteral("keypress %1").arg(ascii); }
    void OnAccessKeyPress(int ascii) override { log << QStringLiteral("accesskey %1").arg(ascii); }
    void OnAmbientChanged(const QString& name) override { log << "ambient " + name; }

private:
    void Mouse(const char* what, int button, int shift, float x, float y) {
        log << QStringLiteral("%1 %2 %3 %4,%5").arg(what).arg(button).arg(shift).arg(x).arg(y);
    }
};

// ---- Life cycle ----------------------------------------------------------------------------

TEST(UserControlTest, NewInstanceInitialisesThenRunsTheResizeHandling) {
    ProbeControl control;
    control.SetName(QStringLiteral("FxFrame1"));
    control.InitNew();
    EXPECT_EQ(control.log, QStringList({"init", "resize", "redraw"}));
    EXPECT_EQ(control.caption, QStringLiteral("FxFrame1"));
}

TEST(UserControlTest, LoadReadsThenAppliesThenRedrawsAndCanBeRepeated) {
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Caption"), QStringLiteral("编辑区"));
    bag.WriteProperty(QStringLiteral("BackColor"), 0x8000000Fu);
    bag.WriteProperty(QStringLiteral("backColor"), 0xD8E9ECu);

    ProbeControl control;
    control.SetName(QStringLiteral("FxFrame26"));
    control.Load(bag);
    EXPECT_EQ(control.log, QStringList({"read", "apply", "redraw"}));
    EXPECT_EQ(control.caption, QStringLiteral("编辑区"));
    EXPECT_EQ(control.windowColor, 0x8000000Fu);
    EXPECT_EQ(control.skinColor, 0xD8E9ECu);

    // A second load of the same bag starts again at the first of the repeated keys.
    ProbeControl twin;
    twin.Load(bag);
    EXPECT_EQ(twin.windowColor, 0x8000000Fu);
    EXPECT_EQ(twin.skinColor, 0xD8E9ECu);
}

TEST(UserControlTest, AFailingLoadStepIsSkippedAndTheNextStillRuns) {
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Caption"), QStringLiteral("kept"));
    ProbeControl control;
    control.failRead = true;
    control.SetName(QStringLiteral("Probe1"));

    // Silent by default; with the controls' logging category on, the failure is told.
    static QStringList logged;
    logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext& context, const QString& message) {
            if (QLatin1String(context.category) == QLatin1String("veltrane.controls"))
                logged << message;
        });
    control.Load(bag);
    EXPECT_TRUE(logged.isEmpty());
    QLoggingCategory::setFilterRules(QStringLiteral("veltrane.controls.debug=true"));
    control.Load(bag);
    QLoggingCategory::setFilterRules(QString());
    qInstallMessageHandler(previous);

    EXPECT_EQ(control.log, QStringList({"read", "apply", "redraw", "read", "apply", "redraw"}));
    EXPECT_EQ(control.caption, QStringLiteral("kept"));
    ASSERT_EQ(logged.size(), 1);
    EXPECT_TRUE(logged[0].contains("Probe1") && logged[0].contains("ReadProperties") &&
                logged[0].contains("unreadable"))
        << logged[0].toStdString();
}

TEST(UserControlTest, SaveWritesThroughTheControlAndChangesAreReported) {
    ProbeControl control;
    control.SetName(QStringLiteral("FxFrame1"));
    control.InitNew();
    PropertyBag defaults;
    control.Save(defaults);
    EXPECT_TRUE(defaults.IsEmpty());

    QSignalSpy changes(&control, &UserControl::propertyChanged);
    control.caption = QStringLiteral("预览效果");
    control.Change(QStringLiteral("Caption"));
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes[0][0].toString(), QStringLiteral("Caption"));
    PropertyBag changed;
    control.Save(changed);
    EXPECT_EQ(changed.Read<QString>(QStringLiteral("caption"), QString()),
              QStringLiteral("预览效果"));
}

// ---- Identity, ambient, units -------------------------------------------------------------

TEST(UserControlTest, NewInstanceNameTakesTheLowestFreeNumber) {
    QWidget form;
    EXPECT_EQ(UserControl::NewInstanceName(&form, QStringLiteral("FxFrame")),
              QStringLiteral("FxFrame1"));
    for (const char* name : {"FxFrame1", "fxframe3", "FxFrame02", "FxFrameX2", "xButton2"}) {
        auto* child = new QWidget(new QWidget(&form));  // names count at any depth
        child->setObjectName(QString::fromLatin1(name));
    }
    EXPECT_EQ(UserControl::NewInstanceName(&form, QStringLiteral("FxFrame")),
              QStringLiteral("FxFrame2"));
    EXPECT_EQ(UserControl::NewInstanceName(&form, QStringLiteral("xButton")),
              QStringLiteral("xButton1"));
}

TEST(UserControlTest, AmbientDefaultsAndChangeNotices) {
    ProbeControl control;
    const UserControl::AmbientProperties& ambient = control.Ambient();
    EXPECT_TRUE(control.UserMode());
    EXPECT_EQ(ambient.Font.family(), QStringLiteral("宋体"));
    EXPECT_EQ(ambient.Font.pixelSize(), 12);  // 9 pt at 96 dpi
    EXPECT_EQ(Colors::TranslateColor(ambient.BackColor), Colors::GetSysColor(15));
    EXPECT_EQ(Colors::TranslateColor(ambient.ForeColor), Colors::GetSysColor(8));

    UserControl::AmbientProperties designer = ambient;
    designer.UserMode = false;
    designer.BackColor = 0xD8E9EC;
    control.SetAmbient(designer);
    EXPECT_EQ(control.log, QStringList({"ambient UserMode", "ambient BackColor"}));
    EXPECT_FALSE(control.UserMode());
    control.log.clear();
    control.SetAmbient(designer);
    EXPECT_TRUE(control.log.isEmpty());
}

TEST(Units, ConversionsRoundHalvesToEven) {
    struct Case {
        double in;
        int twipsToPixels;
        int himetricToPixels;
    };
    const Case cases[] = {
        {0, 0, 0},      {15, 1, 1},       {7, 0, 0},       {8, 1, 0},
        {22.5, 2, 1},   {37.5, 2, 1},     {-22.5, -2, -1}, {2645, 176, 100},
        {66.125, 4, 2}, {198.375, 13, 8}, {13, 1, 0},      {14, 1, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Units::TwipsToPixels(c.in), c.twipsToPixels) << c.in;
        EXPECT_EQ(Units::HimetricToPixels(c.in), c.himetricToPixels) << c.in;
    }
    EXPECT_EQ(Units::PixelsToTwips(80), 1200);
    EXPECT_EQ(Units::TwipsToPixels(1e300), std::numeric_limits<int>::max());
}

// ---- Surface, painting, mask ---------------------------------------------------------------

TEST(UserControlTest, SurfaceFollowsTheWidgetSizeEvenWhileHidden) {
    ProbeControl control;
    control.SetSizeTwips(1200, 350);
    EXPECT_EQ(control.size(), QSize(80, 23));
    EXPECT_EQ(control.surface().size(), QSize(80, 23));
    EXPECT_EQ(control.log, QStringList({"resize", "redraw"}));
    EXPECT_EQ(control.WidthTwips(), 1200);
    EXPECT_EQ(control.HeightTwips(), 345);

    control.resize(30, 20);  // Qt holds the resize event back until shown
    EXPECT_EQ(control.surface().size(), QSize(30, 20));
}

TEST(UserControlTest, TheWidgetShowsTheSurfaceAndAutoRedrawOrdersThePaintHook) {
    ProbeControl control;
    control.SetSizeTwips(300, 300);
    control.show();
    control.log.clear();
    control.paintFill = qRgb(0, 0, 255);
    // AutoRedraw: the persistent image is shown; what OnPaint draws shows next time.
    EXPECT_EQ(control.grab().toImage().pixel(3, 3), control.fill);
    EXPECT_EQ(control.log, QStringList({"paint"}));

    control.RedrawNow();
    control.SetAutoRedraw(false);
    EXPECT_EQ(control.grab().toImage().pixel(3, 3), qRgb(0, 0, 255));
}

TEST(UserControlTest, TransparentBackStyleCutsOutTheMaskColor) {
    ProbeControl control;
    control.SetSizeTwips(150, 150);  // 10 x 10
    control.surface().image().fill(qRgb(255, 255, 255));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 5; ++x)
            control.surface().image().setPixel(x, y, qRgb(255, 0, 0));
    control.SetMaskColor(Colors::Rgb(255, 0, 0));
    EXPECT_TRUE(control.mask().isEmpty());  // opaque: no mask

    control.SetBackStyle(BackStyle::Transparent);
    EXPECT_FALSE(control.mask().contains(QPoint(2, 5)));
    EXPECT_TRUE(control.mask().contains(QPoint(7, 5)));

    // A mask picture decides instead of the drawing.
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(qRgb(255, 0, 0));
    picture.setPixel(1, 1, qRgb(0, 0, 0));
    control.SetMaskPicture(picture);
    EXPECT_EQ(control.mask(), QRegion(1, 1, 1, 1));

    // All of it in the mask colour: nothing shows (an empty mask would show everything).
    picture.fill(qRgb(255, 0, 0));
    control.SetMaskPicture(picture);
    EXPECT_FALSE(control.mask().isEmpty());
    EXPECT_TRUE(control.mask().intersected(control.rect()).isEmpty());

    // System colours are translated.
    picture.fill(Colors::ToQColor(Colors::GetSysColor(15)).rgb());
    picture.setPixel(4, 4, qRgb(0, 0, 0));
    control.SetMaskPicture(picture);
    control.SetMaskColor(0x8000000F);
    EXPECT_EQ(control.mask(), QRegion(4, 4, 1, 1));

    control.SetBackStyle(BackStyle::Opaque);
    EXPECT_TRUE(control.mask().isEmpty());
}

TEST(UserControlTest, WindowRegionShapesTheControlAlsoWhenTransparent) {
    ProbeControl control;
    control.SetSizeTwips(150, 150);  // 10 x 10
    control.SetWindowRegion(Gdi::Region::FromRect({2, 2, 8, 8}));
    EXPECT_EQ(control.mask(), QRegion(2, 2, 6, 6));
    // Transparent: the mask colour cuts further inside the shape.
    control.surface().image().fill(qRgb(255, 255, 255));
    control.surface().image().setPixel(3, 3, qRgb(255, 0, 0));
    control.SetMaskColor(Colors::Rgb(255, 0, 0));
    control.SetBackStyle(BackStyle::Transparent);
    EXPECT_FALSE(control.mask().contains(QPoint(3, 3)));
    EXPECT_TRUE(control.mask().contains(QPoint(4, 4)));
    EXPECT_FALSE(control.mask().contains(QPoint(9, 9)));
    control.SetBackStyle(BackStyle::Opaque);
    // An empty shape shows nothing rather than everything.
    control.SetWindowRegion(Gdi::Region());
    EXPECT_TRUE(control.mask().intersected(control.rect()).isEmpty());
    control.SetWindowRegion(std::nullopt);
    EXPECT_TRUE(control.mask().isEmpty());
}

// ---- Children as the container sees them ---------------------------------------------------

TEST(UserControlTest, ContainedControlsKeepTopHelpIdAndTabStop) {
    ProbeControl container;
    auto* edit = new QLineEdit(&container);
    auto* label = new QLabel(&container);
    auto* part = new QWidget(&container);
    UserControl::SetConstituent(part);
    auto* tabOnly = new QWidget(&container);
    tabOnly->setFocusPolicy(Qt::TabFocus);
    auto* floating = new QWidget(&container, Qt::Tool);
    Q_UNUSED(floating);
    EXPECT_EQ(container.ContainedControls(), QList<QWidget*>({edit, label, tabOnly}));

    UserControl::SetTopOf(edit, 63000 + 1200);
    EXPECT_EQ(UserControl::TopOf(edit), 64200);
    EXPECT_EQ(edit->y(), 4280);

    EXPECT_EQ(UserControl::WhatsThisHelpIDOf(edit), 0);  // until the container sets one

    // A text box leaves the Tab order but stays focusable by click, and comes back as it was.
    EXPECT_EQ(UserControl::TabStopOf(edit), true);
    EXPECT_TRUE(UserControl::SetTabStopOf(edit, false));
    EXPECT_EQ(UserControl::TabStopOf(edit), false);
    EXPECT_EQ(edit->focusPolicy(), Qt::FocusPolicy(Qt::StrongFocus & ~Qt::TabFocus));
    EXPECT_TRUE(UserControl::SetTabStopOf(edit, true));
    EXPECT_EQ(edit->focusPolicy(), Qt::StrongFocus);

    // A label has no tab stop, and switching one on must not make it focusable.
    EXPECT_FALSE(UserControl::TabStopOf(label).has_value());
    EXPECT_FALSE(UserControl::SetTabStopOf(label, true));
    EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);

    // A widget focused only by Tab still has its (switched off) tab stop.
    EXPECT_TRUE(UserControl::SetTabStopOf(tabOnly, false));
    EXPECT_EQ(UserControl::TabStopOf(tabOnly), false);
    EXPECT_TRUE(UserControl::SetTabStopOf(tabOnly, true));
    EXPECT_EQ(tabOnly->focusPolicy(), Qt::TabFocus);

    delete edit;
    EXPECT_EQ(container.ContainedControls(), QList<QWidget*>({label, tabOnly}));
}

// ---- Input and state events -----------------------------------------------------------------

void SendMouse(QWidget* w, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
               QPointF pos, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMouseEvent event(type, pos, w->mapToGlobal(pos), button, held, modifiers);
    QCoreApplication::sendEvent(w, &event);
}

TEST(UserControlTest, MouseEventsCarryButtonShiftAndPosition) {
    ProbeControl control;
    control.SetSizeTwips(600, 300);  // 40 x 20
    control.log.clear();
    const Qt::KeyboardModifiers shiftCtrl = Qt::ShiftModifier | Qt::ControlModifier;
    SendMouse(&control, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {5, 6},
              shiftCtrl);
    SendMouse(&control, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton | Qt::RightButton,
              {7.5, 6});
    SendMouse(&control, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {8, 6},
              Qt::AltModifier);
    EXPECT_EQ(control.log, QStringList({"down 1 3 5,6", "move 3 0 7.5,6", "up 1 4 8,6", "click"}));

    struct Case {
        const char* name;
        Qt::MouseButton button;
        QPointF release;
        bool clicks;
    };
    const Case cases[] = {
        {"left released inside", Qt::LeftButton, {39, 19}, true},
        {"left released outside", Qt::LeftButton, {40, 5}, false},
        {"left released left of it", Qt::LeftButton, {-1, 5}, false},
        {"right button", Qt::RightButton, {5, 5}, false},
    };
    for (const Case& c : cases) {
        control.log.clear();
        SendMouse(&control, QEvent::MouseButtonPress, c.button, c.button, {5, 5});
        SendMouse(&control, QEvent::MouseButtonRelease, c.button, Qt::NoButton, c.release);
        EXPECT_EQ(control.log.contains("click"), c.clicks) << c.name;
    }
}

TEST(UserControlTest, DoubleClickReplacesTheSecondPressAndItsReleaseDoesNotClick) {
    ProbeControl control;
    control.SetSizeTwips(600, 300);
    control.log.clear();
    SendMouse(&control, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {5, 5});
    SendMouse(&control, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {5, 5});
    SendMouse(&control, QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, {5, 5});
    SendMouse(&control, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {5, 5});
    EXPECT_EQ(control.log, QStringList({"down 1 0 5,5", "up 1 0 5,5", "click", "dblclick 1 0 5,5",
                                        "up 1 0 5,5"}));
}

TEST(UserControlTest, KeysArriveAsVirtualKeyCodesAndCharacters) {
    ProbeControl control;
    const auto key = [&](QEvent::Type type, int qtKey, Qt::KeyboardModifiers mods, QString text) {
        QKeyEvent event(type, qtKey, mods, text);
        QCoreApplication::sendEvent(&control, &event);
    };
    key(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"));
    key(QEvent::KeyRelease, Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"));
    key(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    key(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_EQ(control.log, QStringList({"keydown 65 1", "keypress 65", "keyup 65 1", "keydown 13 0",
                                        "keypress 13", "keyup 13 0"}));

    const std::pair<int, int> codes[] = {{Qt::Key_7, '7'},      {Qt::Key_F1, 0x70},
                                         {Qt::Key_Left, 0x25},  {Qt::Key_Escape, 0x1B},
                                         {Qt::Key_Space, 0x20}, {Qt::Key_Delete, 0x2E},
                                         {Qt::Key_Colon, 0xBA}, {Qt::Key_unknown, 0}};
    for (const auto& [qtKey, code] : codes)
        EXPECT_EQ(VirtualKeyCode(qtKey), code);
}

TEST(UserControlTest, AccessKeysReachTheControlWithAlt) {
    ProbeControl control;
    control.SetAccessKeys(QStringLiteral("f"));
    QShortcutEvent press(QKeySequence(Qt::ALT | Qt::Key_F), 0);
    EXPECT_TRUE(QCoreApplication::sendEvent(&control, &press));
    QShortcutEvent other(QKeySequence(Qt::ALT | Qt::Key_G), 0);
    QCoreApplication::sendEvent(&control, &other);
    QShortcutEvent plain(QKeySequence(Qt::Key_F), 0);
    QCoreApplication::sendEvent(&control, &plain);
    EXPECT_EQ(control.log, QStringList({"accesskey 70"}));
}

TEST(UserControlTest, ShowHideAndFocusHooks) {
    ProbeControl control;
    control.show();
    QFocusEvent in(QEvent::FocusIn);
    QCoreApplication::sendEvent(&control, &in);
    QFocusEvent out(QEvent::FocusOut);
    QCoreApplication::sendEvent(&control, &out);
    control.hide();
    control.log.removeAll("resize");
    control.log.removeAll("redraw");
    control.log.removeAll("paint");
    EXPECT_EQ(control.log, QStringList({"show", "gotfocus", "lostfocus", "hide"}));
}

}  // namespace
