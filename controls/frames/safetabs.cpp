#include "safetabs.h"

#include <QGuiApplication>

#include "CodePage.h"
#include "PropertyBag.h"
#include "TabCodes.h"
#include "TabSkin.h"

namespace {

constexpr int kMinWidthPx = 80;
constexpr int kMinHeightPx = 30;
constexpr int kMinWidthTwips = 1200;
constexpr int kMinHeightTwips = 450;
constexpr int kMinLabelSize = 15;
constexpr unsigned kCaptionFormat =
    Gdi::DT_CENTER | Gdi::DT_VCENTER | Gdi::DT_SINGLELINE | Gdi::DT_NOPREFIX;
constexpr quint32 kDisabledTextColor = 0x0099A8AC;
const QString kDefaultCaption = QStringLiteral("新标签");

// Text for the ANSI drawing calls: what the code page lacks shows as "?".
QString ThroughCodePage(const QString& text) {
    return CodePage::ToUnicode(CodePage::FromUnicode(text));
}

}  // namespace

safetabs::safetabs(QWidget* parent) : UserControl(parent) {
    m_borderColors = TabSkin::ReadBorderColors(TabSkin::SkinImage());
    m_backColor = Colors::TranslateColor(Colors::kButtonFace);
    m_surfaceBackColor = TabSkin::kMaskColor;
    m_captions = {kDefaultCaption + u'1', kDefaultCaption + u'2', kDefaultCaption + u'3'};
    SetMaskColor(TabSkin::kMaskColor);
    SetBackStyle(BackStyle::Transparent);
}

// ---- Properties ----------------------------------------------------------------------------

QString safetabs::Caption() const {
    return m_captions.value(m_activeTab);
}

void safetabs::SetCaption(const QString& caption) {
    if (m_activeTab < 0 || m_activeTab >= m_captions.size()) return;
    m_captions[m_activeTab] = caption;
    Refresh();
}

bool safetabs::SetTabCount(int count) {
    if (count == m_sizes.tabCount) return true;
    TabGeometry::Sizes sizes = m_sizes;
    sizes.tabCount = count;
    if (!TabGeometry::FitsInt16(sizes)) return false;
    m_sizes = sizes;
    m_captions.resize(count);
    if (m_activeTab > count - 1) {
        m_activeTab = count - 1;
        emit TabSwitch(0);
    }
    Refresh();
    return true;
}

void safetabs::SetActiveTab(int index) {
    if (index < 0 || index >= m_sizes.tabCount) index = 0;
    if (index == m_activeTab) return;
    SwitchTo(index);
}

void safetabs::SwitchTo(int index) {
    const int previous = m_activeTab;
    m_activeTab = index;
    TabCodes::ArrangeTabPages(ContainedControls(), previous, m_activeTab);
    Refresh();
    emit TabSwitch(previous);
}

void safetabs::SetBackColor(quint32 color) {
    m_backColor = color;
    m_surfaceBackColor = color;
    refreshSkin();
}

void safetabs::SetSkinIndex(int index) {
    m_skinIndex = index;
    refreshSkin();
}

bool safetabs::ApplySizes(const TabGeometry::Sizes& sizes, bool rebuild) {
    if (!TabGeometry::FitsInt16(sizes)) return false;
    m_sizes = sizes;
    if (rebuild)
        refreshSkin();
    else
        Refresh();
    return true;
}

bool safetabs::SetLabelActHeight(int height) {
    TabGeometry::Sizes sizes = m_sizes;
    sizes.labelActHeight = qMax(height, kMinLabelSize);
    return ApplySizes(sizes, true);
}

bool safetabs::SetLabelHeight(int height) {
    TabGeometry::Sizes sizes = m_sizes;
    sizes.labelHeight = qMax(height, kMinLabelSize);
    return ApplySizes(sizes, true);
}

bool safetabs::SetLabelWidth(int width) {
    TabGeometry::Sizes sizes = m_sizes;
    sizes.labelWidth = qMax(width, kMinLabelSize);
    return ApplySizes(sizes, true);
}

bool safetabs::SetLabelBlank(int blank) {
    if (blank < 0) return false;
    TabGeometry::Sizes sizes = m_sizes;
    sizes.labelBlank = blank;
    return ApplySizes(sizes, false);
}

void safetabs::SetEnabled(bool enabled) {
    if (enabled == m_enabled) return;
    m_enabled = enabled;
    Refresh();
}

// ---- Persistence ---------------------------------------------------------------------------

void safetabs::ReadProperties(const PropertyBag& bag) {
    SetTabCount(bag.Read<int>(QStringLiteral("TabCount"), 3));
    SetActiveTab(bag.Read<int>(QStringLiteral("ActiveTab"), 0));
    m_enabled = bag.Read<bool>(QStringLiteral("enabled"), true);
    m_backColor =
        bag.Read<quint32>(QStringLiteral("BackColor"), Colors::TranslateColor(Colors::kButtonFace));
    m_skinIndex = bag.Read<int>(QStringLiteral("skinIndex"), 0);
    TabGeometry::Sizes sizes = m_sizes;
    sizes.labelActHeight = qMax(bag.Read<int>(QStringLiteral("LabelActHeight"), 29), kMinLabelSize);
    sizes.labelHeight = qMax(bag.Read<int>(QStringLiteral("LabelHeight"), 24), kMinLabelSize);
    sizes.labelWidth = qMax(bag.Read<int>(QStringLiteral("LabelWidth"), 80), kMinLabelSize);
    const int blank = bag.Read<int>(QStringLiteral("LabelBlank"), 2);
    if (blank >= 0) sizes.labelBlank = blank;
    // Sizes that would take the strip out of 16 bits are refused as a whole.
    if (TabGeometry::FitsInt16(sizes)) m_sizes = sizes;
    m_captions.clear();
    for (int i = 0; i < m_sizes.tabCount; ++i)
        m_captions.append(
            bag.Read<QString>(QStringLiteral("Caption") + QString::number(i), kDefaultCaption));
    TabCodes::ArrangeTabPages(ContainedControls(), 0, m_activeTab);
    refreshSkin();
}

void safetabs::WriteProperties(PropertyBag& bag) {
    bag.WriteProperty(QStringLiteral("TabCount"), QVariant::fromValue(qint16(m_sizes.tabCount)),
                      QVariant::fromValue(qint16(3)));
    bag.WriteProperty(QStringLiteral("ActiveTab"), m_activeTab, 0);
    bag.WriteProperty(QStringLiteral("enabled"), m_enabled, true);
    bag.WriteProperty(QStringLiteral("BackColor"), m_backColor,
                      Colors::TranslateColor(Colors::kButtonFace));
    bag.WriteProperty(QStringLiteral("skinIndex"), m_skinIndex, 0);
    const auto write16 = [&bag](const QString& key, int value, int defaultValue) {
        bag.WriteProperty(key, QVariant::fromValue(qint16(value)),
                          QVariant::fromValue(qint16(defaultValue)));
    };
    write16(QStringLiteral("LabelActHeight"), m_sizes.labelActHeight, 29);
    write16(QStringLiteral("LabelHeight"), m_sizes.labelHeight, 24);
    write16(QStringLiteral("LabelWidth"), m_sizes.labelWidth, 80);
    write16(QStringLiteral("LabelBlank"), m_sizes.labelBlank, 2);
    for (int i = 0; i < m_sizes.tabCount; ++i)
        bag.WriteProperty(QStringLiteral("Caption") + QString::number(i), m_captions.value(i),
                          kDefaultCaption);
}

// ---- Input ---------------------------------------------------------------------------------

void safetabs::OnResize() {
    if (width() < kMinWidthPx) SetSizeTwips(kMinWidthTwips, HeightTwips());
    if (height() < kMinHeightPx) SetSizeTwips(WidthTwips(), kMinHeightTwips);
    refreshSkin();
}

void safetabs::SetCapture(bool on) {
    if (on == m_capture) return;
    m_capture = on;
    // Headless platforms have no pointer to grab; the flag alone keeps the state.
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return;
    if (on)
        grabMouse();
    else
        releaseMouse();
}

void safetabs::OnMouseMove(int /*buttons*/, int /*shift*/, float x, float y) {
    if (!m_enabled) return;
    m_hoverTab = TabGeometry::TabAt(m_sizes, x, y);
    // Over a gap the capture is kept: the pointer is still within the tab row.
    if (m_hoverTab >= 0)
        SetCapture(true);
    else if (!(y > 0 && y < m_sizes.labelHeight && x > 0 && x < m_sizes.StripWidth()))
        SetCapture(false);
}

void safetabs::OnMouseDown(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {
    if (!m_enabled) return;
    if (m_hoverTab == -1 || m_hoverTab == m_activeTab || m_hoverTab >= m_sizes.tabCount) return;
    SwitchTo(m_hoverTab);
}

// ---- Drawing -------------------------------------------------------------------------------

void safetabs::refreshSkin() {
    TabSkin::BuildWorkStrip(m_workStrip, TabSkin::SkinImage(), m_skinIndex, m_sizes);
    Refresh();
}

void safetabs::PaintBody(Surface& s) {
    const Gdi::Rect body{0, StripHeight() - 1, s.width(), s.height()};
    s.FillRect(body, m_backColor);
    if (m_skinIndex < 0 || m_skinIndex >= m_borderColors.size()) return;
    s.FrameRect(body, m_borderColors[m_skinIndex]);
}

void safetabs::PaintTab(Surface& s, int i) {
    const bool active = i == m_activeTab;
    const TabSkin::FaceColumn column = active            ? TabSkin::FaceColumn::Active
                                       : i == m_hoverTab ? TabSkin::FaceColumn::Hovered
                                                         : TabSkin::FaceColumn::Other;
    const int left = TabGeometry::TabLeft(m_sizes, i);
    s.BitBlt(left, 0, m_sizes.labelWidth, StripHeight(), m_workStrip.image(),
             int(column) * m_sizes.labelWidth, 0);
    Gdi::Rect rect = TabGeometry::CaptionRect(m_sizes, i, active);
    s.SetTextColor(m_enabled ? 0 : kDisabledTextColor);
    s.DrawText(ThroughCodePage(m_captions.value(i)), &rect, kCaptionFormat);
}

void safetabs::Refresh() {
    Surface& s = surface();
    s.SetBkColor(m_surfaceBackColor);
    s.Cls();
    PaintBody(s);
    // A skin outside the image has no faces to show: the body stays alone.
    if (m_skinIndex >= 0 && m_skinIndex < TabSkin::kSkinCount) {
        s.SetBkMode(Gdi::TRANSPARENT);
        s.SelectFont(Ambient().Font);
        for (int i = 0; i < m_sizes.tabCount; ++i) {
            // Tabs past the right edge cannot show.
            if (TabGeometry::TabLeft(m_sizes, i) >= s.width()) break;
            PaintTab(s, i);
        }
    }
    UserControl::Refresh();
}
