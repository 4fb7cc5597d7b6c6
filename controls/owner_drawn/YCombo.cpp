#include "YCombo.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProxyStyle>

#include "PaintCycle.h"
#include "PropertyBag.h"
#include "VirtualKeys.h"
#include "WindowMessages.h"
#include "YComboPrompt.h"

using namespace WindowMessages;

namespace {

// The text box of the box never shows a caret.
class NoCaretStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_TextCursorWidth) return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

bool InRange(int value, int low, int high) {
    return value >= low && value <= high;
}

}  // namespace

YCombo::YCombo(QWidget* parent)
    : OwnerDrawnControl(parent),
      m_tmrIsLbuttonDown(kRepeatMs),
      m_tmrPrompt(kPromptDelayMs),
      m_tmrInit(kInitDelayMs),
      m_hook(this) {
    m_font = Ambient().Font;
    surface().SetBkColor(m_backColor);
    BuildParts();
    connect(&m_tmrInit, &Timer::Tick, this, &YCombo::RecomputeLayout);
    connect(&m_tmrIsLbuttonDown, &Timer::Tick, this, &YCombo::OnRepeatTick);
    connect(&m_tmrPrompt, &Timer::Tick, this, &YCombo::OnPromptTick);
}

YCombo::~YCombo() {
    // The hook holds a plain pointer to this control: it goes first.
    m_hook.DetachAllHooks();
    m_items.Clear();
}

void YCombo::BuildParts() {
    m_picFrame = new QWidget(this);
    m_picFrame->setObjectName(QStringLiteral("picFrame"));
    m_picFrame->setAutoFillBackground(true);
    SetConstituent(m_picFrame);
    m_text1 = new QLineEdit(m_picFrame);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setFrame(false);
    m_text1->setTextMargins(0, 0, 0, 0);
    auto* style = new NoCaretStyle;
    style->setParent(m_text1);
    m_text1->setStyle(style);
    SetConstituent(m_text1);
    m_prompt = new YComboPrompt(this);
    SetConstituent(m_prompt);
    StyleTextBox();
    connect(m_text1, &QLineEdit::textChanged, this, [this] { emit Change(); });
    m_text1->installEventFilter(this);
    m_picFrame->installEventFilter(this);
}

void YCombo::StyleTextBox() {
    const QFont font = Surface::PrepareFont(PaintCycle::CreateFontFromObject(m_font));
    m_text1->setFont(font);
    QPalette palette = m_text1->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Text, Colors::ToQColor(m_foreColor));
    m_text1->setPalette(palette);
    m_picFrame->setPalette(palette);
    m_prompt->SetLook(font, m_foreColor);
}

// ---- Properties ------------------------------------------------------------------------------

namespace {

template <typename T>
bool Assign(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}

}  // namespace

#define YCOMBO_COLOR_SETTER(Name, field)        \
    void YCombo::Set##Name(quint32 color) {     \
        if (!Assign(field, color)) return;      \
        PropertyChanged(QStringLiteral(#Name)); \
        Invalidate();                           \
    }

YCOMBO_COLOR_SETTER(clrFillFocus, m_clrFillFocus)
YCOMBO_COLOR_SETTER(clrFillUp, m_clrFillUp)
YCOMBO_COLOR_SETTER(clrFrameFocus, m_clrFrameFocus)
YCOMBO_COLOR_SETTER(clrFrameUp, m_clrFrameUp)
YCOMBO_COLOR_SETTER(clrBkgNormal1, m_clrBkgNormal1)
YCOMBO_COLOR_SETTER(clrBkgNormal2, m_clrBkgNormal2)
YCOMBO_COLOR_SETTER(clrFrame, m_clrFrame)
YCOMBO_COLOR_SETTER(clrCheckBoxFrame, m_clrCheckBoxFrame)
#undef YCOMBO_COLOR_SETTER

void YCombo::SetBackColor(quint32 color) {
    if (!Assign(m_backColor, color)) return;
    surface().SetBkColor(color);
    PropertyChanged(QStringLiteral("BackColor"));
    Invalidate();
}

void YCombo::SetForeColor(quint32 color) {
    if (!Assign(m_foreColor, color)) return;
    StyleTextBox();
    PropertyChanged(QStringLiteral("ForeColor"));
    Invalidate();
}

void YCombo::SetFont(const QFont& font) {
    if (UserMode() || !Assign(m_font, font)) return;
    StyleTextBox();
    PropertyChanged(QStringLiteral("Font"));
    Invalidate();
}

void YCombo::SetStoredProperty(int& field, int value, bool allowed, const char* name) {
    if (!allowed || !Assign(field, value)) return;
    PropertyChanged(QString::fromLatin1(name));
    Invalidate();
}

void YCombo::SetDisMode(int mode) {
    SetStoredProperty(m_disMode, mode, !UserMode() && InRange(mode, 0, 2), "DisMode");
}

void YCombo::SetItemHeight(int height) {
    SetStoredProperty(m_itemHeight, height, !UserMode() && InRange(height, 1, kMaxMetric),
                      "ItemHeight");
}

void YCombo::SetIconSize(int size) {
    SetStoredProperty(m_iconSize, size, !UserMode() && InRange(size, 1, kMaxMetric), "IconSize");
}

void YCombo::SetBigIconSize(int size) {
    SetStoredProperty(m_bigIconSize, size, !UserMode() && size > m_iconSize && size <= kMaxMetric,
                      "BigIconSize");
}

void YCombo::SetCheckSize(int size) {
    SetStoredProperty(m_checkSize, size,
                      !UserMode() && m_style == 1 && InRange(size, 1, kMaxMetric), "CheckSize");
}

void YCombo::SetrelItemTop(int top) {
    SetStoredProperty(m_relItemTop, top, !UserMode() && InRange(top, 1, kMaxMetric), "relItemTop");
}

void YCombo::SetrelTop(int top) {
    SetStoredProperty(m_relTop, top, !UserMode() && InRange(top, 1, kMaxMetric), "relTop");
}

void YCombo::SetrelItemLeft(int left) {
    SetStoredProperty(m_relItemLeft, left, InRange(left, 1, kMaxMetric), "relItemLeft");
}

void YCombo::SetrelLeft(int left) {
    SetStoredProperty(m_relLeft, left, InRange(left, 1, kMaxMetric), "relLeft");
}

// ---- Items -----------------------------------------------------------------------------------

void YCombo::AddItem(const QString& text, const QImage& smallIcon, const QImage& bigIcon) {
    m_items.Add({text, smallIcon, bigIcon, false});
    m_tmrInit.Start();
}

void YCombo::RemoveItem(int index) {
    if (!m_items.Remove(index)) return;
    // The first shown row follows the rows that moved up, but never above the first item.
    if (m_scrollBarVisible) m_pendingScroll = qMax(m_pendingScroll - 1, -m_topIndex);
    if (m_listIndex > ListCount() - 1) m_listIndex = ListCount() - 1;
    RecomputeLayout();
}

void YCombo::Clear() {
    m_items.Clear();
    m_listIndex = -1;
    m_tmrInit.Start();
}

void YCombo::SetMallocCount(int count) {
    if (!UserMode() || count <= 0) return;
    m_items.Preallocate(count);
}

void YCombo::SetListIndex(int index) {
    if (!UserMode() || !m_items.At(index)) return;
    m_listIndex = index;
    SetTextBox(m_items.At(index)->text);
    Invalidate();
}

QString YCombo::Text() const {
    return m_text1->text();
}

void YCombo::SetText(const QString& text) {
    if (UserMode()) SetTextBox(text);
}

void YCombo::SetTextBox(const QString& text) {
    m_text1->setText(text);
    m_text1->setCursorPosition(0);
}

QString YCombo::list(int index) const {
    const auto* item = m_items.At(index);
    return item ? item->text : QString();
}

void YCombo::SetListText(int index, const QString& text) {
    auto* item = m_items.At(index);
    if (!item) return;
    item->text = text;
    Invalidate();
}

bool YCombo::Selected(int index) const {
    const auto* item = m_items.At(index);
    return m_style == 1 && item && item->checked;
}

void YCombo::SetListState(int index, bool state) {
    auto* item = m_items.At(index);
    if (m_style != 1 || !item) return;
    item->checked = state;
    Invalidate();
}

void YCombo::RecomputeLayout() {
    m_tmrInit.Stop();
    const int count = ListCount();
    if (count == 0) {
        m_listIndex = -1;
        m_scrollBarVisible = false;
        m_topIndex = 0;
    } else if (YComboGeometry::kVisibleRows < count) {
        m_thumbLength =
            YComboGeometry::ThumbLengthFor(height(), YComboGeometry::kVisibleRows, count);
        m_topIndex = qMax(0, m_topIndex + m_pendingScroll);
        m_scrollBarVisible = true;
        m_maxTop = count - YComboGeometry::kVisibleRows;
    } else {
        m_scrollBarVisible = false;
        m_topIndex = 0;
    }
    m_items.EndPreallocation();
    m_pendingScroll = 0;
    m_thumbPos = YComboGeometry::ThumbPosFor(m_topIndex, Metrics());
    Invalidate();
}

YComboGeometry::ScrollMetrics YCombo::Metrics() const {
    return {height(), m_thumbLength, m_maxTop};
}

// ---- Persistence -----------------------------------------------------------------------------

void YCombo::InitProperties() {
    if (!UserMode()) SetTextBox(Name());
    AttachHooks();
}

void YCombo::ReadProperties(const PropertyBag& bag) {
    auto color = [&bag](const char* key, quint32 fallback) {
        return bag.Read<quint32>(QString::fromLatin1(key), fallback);
    };
    auto flag = [&bag](const char* key) { return bag.Read<bool>(QString::fromLatin1(key), false); };
    auto number = [&bag](const char* key, int fallback) {
        return bag.Read<int>(QString::fromLatin1(key), fallback);
    };
    Pending& p = m_pending;
    p.disMode = number("DisMode", 0);
    p.font = bag.Read<QFont>(QStringLiteral("Font"), m_font);
    p.backColor = color("BackColor", m_backColor);
    p.foreColor = color("ForeColor", m_foreColor);
    p.clrFillFocus = color("clrFillFocus", Colors::Rgb(119, 154, 195));
    p.clrFillUp = color("clrFillUp", Colors::Rgb(179, 214, 255));
    p.clrFrameFocus = color("clrFrameFocus", Colors::Rgb(89, 124, 165));
    p.clrFrameUp = color("clrFrameUp", Colors::Rgb(149, 184, 225));
    p.clrBkgNormal1 = color("clrBkgNormal1", kWhite);
    p.clrBkgNormal2 = color("clrBkgNormal2", kWhite);
    p.clrFrame = color("clrFrame", Colors::Rgb(179, 214, 255));
    p.isToolTip = flag("IsToolTip");
    p.isDrawFocus = flag("IsDrawFocus");
    p.isDrawBigFocus = flag("IsDrawBigFocus");
    p.isDrawHover = flag("IsDrawHover");
    p.style = number("Style", 0);
    p.checkSize = number("CheckSize", kDefaultCheckSize);
    p.relItemLeft = number("relItemLeft", kDefaultItemLeft);
    p.relItemTop = number("relItemTop", kDefaultItemTop);
    p.relLeft = number("relLeft", kDefaultRelLeft);
    p.relTop = number("relTop", kDefaultRelTop);
    p.iconSize = number("IconSize", kDefaultIconSize);
    p.bigIconSize = number("BigIconSize", kDefaultBigIconSize);
    p.itemHeight = number("ItemHeight", kDefaultItemHeight);
    p.clrCheckBoxFrame = color("clrCheckBoxFrame", 0);
}

void YCombo::ApplyProperties() {
    const Pending& p = m_pending;
    // Stored values outside a property's range are refused as an assignment would refuse them.
    auto metric = [](int& field, int value) {
        if (InRange(value, 1, kMaxMetric)) field = value;
    };
    if (InRange(p.disMode, 0, 2)) m_disMode = p.disMode;
    m_font = p.font;
    m_backColor = p.backColor;
    surface().SetBkColor(m_backColor);
    m_foreColor = p.foreColor;
    m_clrFillFocus = p.clrFillFocus;
    m_clrFillUp = p.clrFillUp;
    m_clrFrameFocus = p.clrFrameFocus;
    m_clrFrameUp = p.clrFrameUp;
    m_clrBkgNormal1 = p.clrBkgNormal1;
    m_clrBkgNormal2 = p.clrBkgNormal2;
    m_clrFrame = p.clrFrame;
    m_isToolTip = p.isToolTip;
    m_isDrawFocus = p.isDrawFocus;
    m_isDrawBigFocus = p.isDrawBigFocus;
    m_isDrawHover = p.isDrawHover;
    m_style = p.style;
    metric(m_checkSize, p.checkSize);
    metric(m_relItemLeft, p.relItemLeft);
    metric(m_relItemTop, p.relItemTop);
    metric(m_relLeft, p.relLeft);
    metric(m_relTop, p.relTop);
    metric(m_iconSize, p.iconSize);
    if (p.bigIconSize > m_iconSize && p.bigIconSize <= kMaxMetric) m_bigIconSize = p.bigIconSize;
    metric(m_itemHeight, p.itemHeight);
    m_clrCheckBoxFrame = p.clrCheckBoxFrame;
    StyleTextBox();
    if (!UserMode()) SetTextBox(Name());
    AttachHooks();
}

void YCombo::WriteProperties(PropertyBag& bag) {
    auto write = [&bag](const char* key, const QVariant& value) {
        bag.WriteProperty(QString::fromLatin1(key), value);
    };
    write("Font", m_font);
    write("BackColor", m_backColor);
    write("ForeColor", m_foreColor);
    write("IsReal", false);
    write("DisMode", m_disMode);
    write("clrFillFocus", m_clrFillFocus);
    write("clrFillUp", m_clrFillUp);
    write("clrFrameFocus", m_clrFrameFocus);
    write("clrFrameUp", m_clrFrameUp);
    write("clrBkgNormal1", m_clrBkgNormal1);
    write("clrBkgNormal2", m_clrBkgNormal2);
    write("clrFrame", m_clrFrame);
    write("IsToolTip", m_isToolTip);
    write("IsDrawFocus", m_isDrawFocus);
    write("IconSize", m_iconSize);
    write("BigIconSize", m_bigIconSize);
    write("relItemLeft", m_relItemLeft);
    write("relItemTop", m_relItemTop);
    write("relLeft", m_relLeft);
    write("relTop", m_relTop);
    write("IsDrawBigFocus", m_isDrawBigFocus);
    write("IsDrawHover", m_isDrawHover);
    write("Style", m_style);
    write("CheckSize", m_checkSize);
    write("clrCheckBoxFrame", m_clrCheckBoxFrame);
    write("ItemHeight", m_itemHeight);
}

void YCombo::AttachHooks() {
    // A designer gets no hooks: the control draws in its ordinary paint event there.
    SetAutoRedraw(UserMode());
    if (!UserMode() || m_hook.IsAttached()) return;
    m_hook.AttachWindowHook(this);
    m_hook.HookMessage(this, WM_PAINT, HookPhase::Before);
    m_hook.HookMessage(this, WM_MOUSEWHEEL, HookPhase::Before);
}

void YCombo::zSubclass_Proc(bool before, bool& handled, qint32& result, QWidget*& /*window*/,
                            quint32& message, qint32& wParam, qint32& /*lParam*/) {
    if (!before) return;
    if (message == WM_PAINT) {
        PaintWindow();
        handled = true;
        result = 0;
    } else if (message == WM_MOUSEWHEEL) {
        OnWheel(SignedHiWord(wParam));
    }
}

// ---- Size and constituents -------------------------------------------------------------------

void YCombo::OnResize() {
    if (width() < kMinWidth || (!UserMode() && height() != YComboGeometry::kClosedHeight)) {
        const int h = UserMode() ? height() : YComboGeometry::kClosedHeight;
        SetSizeTwips(Units::PixelsToTwips(qMax(width(), kMinWidth)), Units::PixelsToTwips(h));
        return;  // the resize that follows places the parts
    }
    m_picFrame->setGeometry(2, 2, width() - 22, 16);
    m_text1->setGeometry(2, 2, m_picFrame->width(), 14);
    Redraw();
}

bool YCombo::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_text1 && watched != m_picFrame)
        return UserControl::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
                height() == YComboGeometry::kClosedHeight)
                OpenList();
            break;
        case QEvent::KeyPress: {
            // The part's own handling still runs, but a key it ignores must not travel up to
            // this control and be handled twice.
            auto* key = static_cast<QKeyEvent*>(event);
            OnKeyDown(VirtualKeyCode(key->key()), ShiftStateOf(key->modifiers()));
            static_cast<QObject*>(watched)->event(event);
            event->accept();
            return true;
        }
        case QEvent::MouseMove:
            if (watched == m_text1) m_text1->setCursor(Qt::ArrowCursor);
            break;
        default:
            break;
    }
    return false;
}
