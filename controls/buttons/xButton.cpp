#include "xButton.h"

#include "PropertyBag.h"

namespace {

bool IsSkinIndex(int index) {
    return index >= 0 && index < xButton::kSkinCount;
}

const QString kIconKeys[kButtonStateCount] = {QStringLiteral("ico0"), QStringLiteral("ico1"),
                                              QStringLiteral("ico2"), QStringLiteral("ico3")};

}  // namespace

xButton::xButton(QWidget* parent) : UserControl(parent) {
    m_font = Ambient().Font;
    // Takes the focus by click and Tab, to show its focus rectangle; keys do nothing.
    setFocusPolicy(Qt::StrongFocus);
}

// ---- Properties ------------------------------------------------------------------------------

void xButton::SetCaption(const QString& caption) {
    if (caption.trimmed() == m_caption) return;
    m_caption = caption.trimmed();
    PropertyChanged(QStringLiteral("Caption"));
    Redraw();
}

void xButton::SetEnabled(bool enabled) {
    if (enabled == isEnabled()) return;
    setEnabled(enabled);
    m_state = enabled ? ButtonState::Normal : ButtonState::Disabled;
    PropertyChanged(QStringLiteral("Enabled"));
    Redraw();
}

void xButton::SetFont(const QFont& font) {
    if (font == m_font) return;
    m_font = font;
    PropertyChanged(QStringLiteral("Font"));
    Redraw();
}

void xButton::SetBackColor(quint32 color) {
    if (color == m_skinBackColor) return;
    m_skinBackColor = color;
    PropertyChanged(QStringLiteral("BackColor"));
    RebuildSkin();
}

void xButton::SetForeColor(quint32 color) {
    m_foreColor = color;
    PropertyChanged(QStringLiteral("ForeColor"));
    Redraw();
}

void xButton::SetcheckButton(bool on) {
    m_checkButton = on;
    PropertyChanged(QStringLiteral("checkButton"));
    Redraw();
}

void xButton::SetcheckValue(bool value) {
    if (!m_checkButton) return;
    m_checkValue = value;
    PropertyChanged(QStringLiteral("checkValue"));
    SetState(value ? ButtonState::Pressed : ButtonState::Normal);
}

void xButton::SetbuttonSkin(int index) {
    if (!IsSkinIndex(index) || index == m_skin) return;
    m_skin = index;
    PropertyChanged(QStringLiteral("buttonSkin"));
    RebuildSkin();
}

void xButton::SetuseIco(bool on) {
    if (on == m_useIco) return;
    m_useIco = on;
    PropertyChanged(QStringLiteral("useIco"));
    RebuildSkin();
}

void xButton::SetFloat(bool on) {
    if (on == m_float) return;
    m_float = on;
    PropertyChanged(QStringLiteral("Float"));
    RebuildSkin();
}

QImage xButton::ico(int index) const {
    if (index < 0 || index >= kButtonStateCount) return {};
    return m_ico[size_t(index)];
}

void xButton::SetIco(int index, const QImage& picture) {
    if (index < 0 || index >= kButtonStateCount) return;
    m_ico[size_t(index)] = picture;
    m_icoWidth = picture.width();
    m_icoHeight = picture.height();
    m_useIco = true;
    if (index == 0) FillEmptyIcons(picture);
    PropertyChanged(kIconKeys[index]);
    RebuildSkin();
}

void xButton::FillEmptyIcons(const QImage& picture) {
    if (picture.isNull()) return;
    if (m_ico[1].isNull()) m_ico[1] = picture;
    if (m_ico[2].isNull()) m_ico[2] = picture;
}

// ---- Persistence -----------------------------------------------------------------------------

void xButton::InitProperties() {
    m_caption = Name();
    m_focusRect = false;
    m_skin = 0;
    m_float = false;
    m_skinBackColor = Colors::kWindowBackground;
    m_useIco = false;
    m_layout.iconX = 0;
    m_layout.iconY = 0;
    m_checkButton = false;
    m_checkValue = false;
}

void xButton::ReadProperties(const PropertyBag& bag) {
    Pending& p = m_pending;
    p.caption = bag.Read<QString>(QStringLiteral("Caption"), m_caption);
    p.enabled = bag.Read<bool>(QStringLiteral("Enabled"), isEnabled());
    p.windowBackColor = bag.Read<quint32>(QStringLiteral("BackColor"), m_windowBackColor);
    p.foreColor = bag.Read<quint32>(QStringLiteral("ForeColor"), m_foreColor);
    p.focusRect = bag.Read<bool>(QStringLiteral("focusRect"), true);
    p.skin = bag.Read<int>(QStringLiteral("skin"), 0);
    p.font = bag.Read<QFont>(QStringLiteral("Font"), m_font);
    p.isFloat = bag.Read<bool>(QStringLiteral("float"), false);
    // The second "backcolor" entry: the faces' background.
    p.skinBackColor = bag.Read<quint32>(QStringLiteral("backColor"), 0u);
    p.useIco = bag.Read<bool>(QStringLiteral("useIco"), false);
    p.icoWidth = bag.Read<int>(QStringLiteral("icoWidth"), 0);
    p.icoHeight = bag.Read<int>(QStringLiteral("icoHeight"), 0);
    for (int i = 0; i < kButtonStateCount; ++i)
        p.ico[size_t(i)] = bag.Read<QImage>(kIconKeys[i], QImage());
    p.check = bag.Read<bool>(QStringLiteral("m_check"), false);
    p.value = bag.Read<bool>(QStringLiteral("m_value"), false);
}

void xButton::ApplyProperties() {
    const Pending& p = m_pending;
    m_caption = p.caption;
    setEnabled(p.enabled);
    m_windowBackColor = p.windowBackColor;
    surface().SetBkColor(m_windowBackColor);
    m_foreColor = p.foreColor;
    m_focusRect = p.focusRect;
    m_skin = IsSkinIndex(p.skin) ? p.skin : 0;
    m_font = p.font;
    m_float = p.isFloat;
    m_skinBackColor = p.skinBackColor;
    m_useIco = p.useIco;
    m_icoWidth = p.icoWidth;
    m_icoHeight = p.icoHeight;
    m_ico = p.ico;
    m_checkButton = p.check;
    m_checkValue = p.value;
    if (!isEnabled())
        m_state = ButtonState::Disabled;
    else
        SetState(m_checkValue ? ButtonState::Pressed : ButtonState::Normal);
    // The stored skin, float flag and background take effect on the faces at once.
    RebuildSkin();
}

void xButton::WriteProperties(PropertyBag& bag) {
    bag.WriteProperty(QStringLiteral("Caption"), m_caption);
    bag.WriteProperty(QStringLiteral("Enabled"), isEnabled());
    bag.WriteProperty(QStringLiteral("BackColor"), m_windowBackColor);
    bag.WriteProperty(QStringLiteral("ForeColor"), m_foreColor);
    bag.WriteProperty(QStringLiteral("focusRect"), m_focusRect);
    bag.WriteProperty(QStringLiteral("skin"), qint32(m_skin));
    bag.WriteProperty(QStringLiteral("Font"), m_font);
    bag.WriteProperty(QStringLiteral("float"), m_float);
    bag.WriteProperty(QStringLiteral("backColor"), m_skinBackColor);
    bag.WriteProperty(QStringLiteral("useIco"), m_useIco);
    bag.WriteProperty(QStringLiteral("icoWidth"), m_icoWidth);
    bag.WriteProperty(QStringLiteral("icoHeight"), m_icoHeight);
    // Empty holders leave no entry: the bag keeps no empty pictures.
    for (int i = 0; i < kButtonStateCount; ++i)
        bag.WriteProperty(kIconKeys[i], m_ico[size_t(i)]);
    bag.WriteProperty(QStringLiteral("m_check"), m_checkButton);
    bag.WriteProperty(QStringLiteral("m_value"), m_checkValue);
}
