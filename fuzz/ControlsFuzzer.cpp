// Feeds random stored properties to the load path of the custom controls, then resizes and
// repaints them at random sizes and sends them random mouse, key and focus input and passing
// time. List controls also get items from the input. The first byte picks the control; adding a
// control is one entry in the table below.

#include <fuzzer/FuzzedDataProvider.h>
#include <QApplication>
#include <QColor>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFont>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>
#include <cstddef>
#include <cstdint>
#include <functional>

#include "Clock.h"
#include "FontSetup.h"
#include "FuzzStartup.h"
#include "FxFrame.h"
#include "Headless.h"
#include "MessageBoxRecorder.h"
#include "PropertyBag.h"
#include "UserControl.h"
#include "YCombo.h"
#include "YCommand.h"
#include "jcFrames.h"
#include "safetabs.h"
#include "xButton.h"

namespace {

struct FuzzedControl {
    std::function<UserControl*(QWidget*)> create;
    QStringList keys;  // the keys the control reads, so that random values reach them
    // Run-time content that no stored property gives (list items), from the input.
    std::function<void(UserControl*, FuzzedDataProvider&)> fill = {};
};

QString ConsumeString(FuzzedDataProvider& data, size_t max);
QImage ConsumeImage(FuzzedDataProvider& data);

// Items, removals, selections, check states and preallocations of a drop-down list.
void FillCombo(UserControl* control, FuzzedDataProvider& data) {
    auto* combo = static_cast<YCombo*>(control);
    const int steps = data.ConsumeIntegralInRange(0, 60);
    for (int i = 0; i < steps && data.remaining_bytes() > 0; ++i) {
        const int index = data.ConsumeIntegralInRange(-2, 70);
        switch (data.ConsumeIntegralInRange(0, 7)) {
            case 0:
                combo->RemoveItem(index);
                break;
            case 1:
                combo->SetListIndex(index);
                break;
            case 2:
                combo->SetListState(index, data.ConsumeBool());
                break;
            case 3:
                combo->SetMallocCount(data.ConsumeIntegralInRange(-1, 20));
                break;
            case 4:
                if (data.ConsumeIntegralInRange(0, 7) == 0) combo->Clear();
                break;
            default:
                combo->AddItem(ConsumeString(data, 64), ConsumeImage(data));
                break;
        }
    }
}

const QList<FuzzedControl>& Table() {
    static const QList<FuzzedControl> table = {
        {[](QWidget* p) { return new safetabs(p); },
         {"TabCount", "ActiveTab", "enabled", "BackColor", "skinIndex", "LabelActHeight",
          "LabelHeight", "LabelWidth", "LabelBlank", "Caption0", "Caption1", "Caption2",
          "Caption3"}},
        {[](QWidget* p) { return new FxFrame(p); },
         {"Font",      "Style",     "Appearance",    "AutoSize",     "BackColor",    "BaseColor",
          "ForeColor", "FontColor", "FillColor",     "MaskColor",    "UseMaskColor", "BorderStyle",
          "FillStyle", "Alignment", "CaptionOffset", "Picture",      "AutoRedraw",   "DrawWidth",
          "Enabled",   "Caption",   "OpreFix",       "MousePointer", "MouseIcon",    "CRad",
          "Icon",      "IconSize",  "IconOffset"}},
        {[](QWidget* p) { return new YCommand(p); },
         {"Font", "BackColor", "ForeColor", "IconSize", "Caption", "Enabled", "relItemLeft",
          "clrBase", "ReserveFx"}},
        {[](QWidget* p) { return new xButton(p); },
         {"Caption", "Enabled", "BackColor", "ForeColor", "focusRect", "skin", "Font", "float",
          "useIco", "icoWidth", "icoHeight", "ico0", "ico1", "ico2", "ico3", "m_check", "m_value"}},
        {[](QWidget* p) { return new YCombo(p); },
         {"DisMode",   "Font",          "BackColor",   "ForeColor",      "clrFillFocus",
          "clrFillUp", "clrFrameFocus", "clrFrameUp",  "clrBkgNormal1",  "clrBkgNormal2",
          "clrFrame",  "IsToolTip",     "IsDrawFocus", "IsDrawBigFocus", "IsDrawHover",
          "Style",     "CheckSize",     "relItemLeft", "relItemTop",     "relLeft",
          "relTop",    "IconSize",      "BigIconSize", "ItemHeight",     "clrCheckBoxFrame"},
         &FillCombo},
        {[](QWidget* p) { return new jcFrames(p); }, {"FrameColor",
                                                      "BackColor",
                                                      "FillColor",
                                                      "TextBoxColor",
                                                      "TxtBoxShadow",
                                                      "Style",
                                                      "RoundedCorner",
                                                      "Enabled",
                                                      "RoundedCornerTxtBox",
                                                      "Caption",
                                                      "TextBoxHeight",
                                                      "TextColor",
                                                      "Alignment",
                                                      "IconAlignment",
                                                      "Font",
                                                      "Picture",
                                                      "IconSize",
                                                      "ThemeColor",
                                                      "ColorFrom",
                                                      "ColorTo",
                                                      "HeaderStyle",
                                                      "GradientHeaderStyle"}},
    };
    return table;
}

QWidget* g_host = nullptr;

QString ConsumeString(FuzzedDataProvider& data, size_t max) {
    const std::string bytes = data.ConsumeRandomLengthString(max);
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

QImage ConsumeImage(FuzzedDataProvider& data) {
    const int w = data.ConsumeIntegralInRange(0, 64);
    const int h = data.ConsumeIntegralInRange(0, 64);
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(data.ConsumeIntegral<QRgb>()));
    return image;
}

QVariant ConsumeValue(FuzzedDataProvider& data) {
    switch (data.ConsumeIntegralInRange(0, 8)) {
        case 0:
            return data.ConsumeIntegral<int>();
        case 1:
            return data.ConsumeIntegral<uint>();
        case 2:
            return QVariant::fromValue(data.ConsumeIntegral<qint16>());
        case 3:
            return data.ConsumeBool();
        case 4:
            return data.ConsumeFloatingPoint<double>();
        case 5:
            return ConsumeString(data, 256);
        case 6: {
            QFont font(ConsumeString(data, 16));
            font.setPixelSize(data.ConsumeIntegralInRange(-5, 300));
            return font;
        }
        case 7:
            return ConsumeImage(data);
        default:
            return QColor::fromRgb(data.ConsumeIntegral<QRgb>());
    }
}

PropertyBag ConsumeBag(FuzzedDataProvider& data, const QStringList& keys) {
    // Either the text form, with all its parsing, or typed entries under known or random keys.
    if (data.ConsumeBool()) return PropertyBag::FromText(ConsumeString(data, 4096));
    PropertyBag bag;
    const int count = data.ConsumeIntegralInRange(0, 40);
    for (int i = 0; i < count && data.remaining_bytes() > 0; ++i) {
        const QString key = data.ConsumeBool()
                                ? keys.value(data.ConsumeIntegralInRange<int>(0, keys.size() - 1))
                                : ConsumeString(data, 12);
        bag.WriteProperty(key.toLower(), ConsumeValue(data));
    }
    return bag;
}

QSize ConsumeSize(FuzzedDataProvider& data) {
    if (data.ConsumeIntegralInRange(0, 15) == 0)  // now and then very large
        return {data.ConsumeIntegralInRange(0, 9000), data.ConsumeIntegralInRange(0, 9000)};
    return {data.ConsumeIntegralInRange(0, 700), data.ConsumeIntegralInRange(0, 400)};
}

void SendMouse(QWidget* w, QEvent::Type type, QPointF pos, Qt::MouseButton button) {
    QMouseEvent event(type, pos, w->mapToGlobal(pos), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button),
                      Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}

void SendInput(UserControl* control, FuzzedDataProvider& data) {
    const QPointF pos(data.ConsumeFloatingPointInRange<double>(-50, 800),
                      data.ConsumeFloatingPointInRange<double>(-50, 500));
    const Qt::MouseButton button = data.ConsumeBool() ? Qt::LeftButton : Qt::RightButton;
    switch (data.ConsumeIntegralInRange(0, 8)) {
        case 0:
            SendMouse(control, QEvent::MouseMove, pos, Qt::NoButton);
            break;
        case 1:
            SendMouse(control, QEvent::MouseButtonPress, pos, button);
            break;
        case 2:
            SendMouse(control, QEvent::MouseButtonRelease, pos, button);
            break;
        case 3:
            SendMouse(control, QEvent::MouseButtonDblClick, pos, button);
            break;
        case 4: {
            // Printable keys, and now and then one that lists and buttons act on.
            static constexpr int kSpecial[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Return,
                                               Qt::Key_Alt, Qt::Key_Space};
            const int key = data.ConsumeIntegralInRange(0, 7) == 0
                                ? kSpecial[data.ConsumeIntegralInRange(0, 4)]
                                : data.ConsumeIntegralInRange(0x20, 0x7E);
            const QString text = key < 0x7F ? QString(QChar(key)) : QString();
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
            QCoreApplication::sendEvent(control, &press);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
            QCoreApplication::sendEvent(control, &release);
            break;
        }
        case 5: {
            // Focus coming or going (check buttons and focus rectangles follow it).
            QFocusEvent focus(data.ConsumeBool() ? QEvent::FocusIn : QEvent::FocusOut);
            QCoreApplication::sendEvent(control, &focus);
            break;
        }
        case 6:
            // Time passing: move throttles and leave timers run on the manual clock.
            Clock::Advance(data.ConsumeIntegralInRange(0, 500));
            break;
        case 7: {
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(control, &leave);
            break;
        }
        default: {
            // The wheel, at the mouse position (open lists scroll by it).
            QWheelEvent wheel(pos, control->mapToGlobal(pos), QPoint(),
                              QPoint(0, data.ConsumeIntegralInRange(-480, 480)), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(control, &wheel);
            break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    Clock::UseManualTime();
    StartHeadlessApplication(argc, argv);
    static MessageBoxRecorder messages;
    g_host = new QWidget;
    g_host->resize(800, 600);
    g_host->show();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const FuzzedControl& entry =
        Table()[data.ConsumeIntegralInRange<int>(0, int(Table().size()) - 1)];
    UserControl* control = entry.create(g_host);
    control->SetName(QStringLiteral("Control1"));
    const QSize first = ConsumeSize(data);
    control->SetSizeTwips(first.width() * 15, first.height() * 15);
    control->Load(ConsumeBag(data, entry.keys));
    if (entry.fill) entry.fill(control, data);
    control->show();
    while (data.remaining_bytes() > 0) {
        if (data.ConsumeIntegralInRange(0, 7) == 0) {
            const QSize next = ConsumeSize(data);
            control->SetSizeTwips(next.width() * 15, next.height() * 15);
        } else {
            SendInput(control, data);
        }
    }
    control->repaint();
    PropertyBag saved;
    control->Save(saved);
    delete control;
    return 0;
}
