#include "jcFrames.h"

#include <QMetaMethod>

#include "PropertyBag.h"

namespace {

constexpr quint32 kNoColour = 0xFFFFFFFFu;
constexpr quint32 kDefaultTextBoxColor = 0xFFFFFF;
constexpr quint32 kDefaultColorFrom = 0x9E9EFF;
constexpr quint32 kDefaultColorTo = 0xF0F0FF;
constexpr int kDefaultTextBoxHeight = 22;
constexpr int kDefaultAlignment = 2;
constexpr int kDefaultStyle = 1;
constexpr qint16 kDefaultIconSize = 16;

// Text formats: word-wrapped for style 8, one vertically centred line for the others.
constexpr unsigned kWrapped = Gdi::DT_WORDBREAK | Gdi::DT_VCENTER;
constexpr unsigned kSingleLine = Gdi::DT_SINGLELINE | Gdi::DT_VCENTER;
constexpr int kWrappedStyle = 8;

quint32 SystemRgb(Colors::SystemColor color) {
    return Colors::GetSysColor(color);
}

}  // namespace

jcFrames::jcFrames(QWidget* parent) : UserControl(parent) {
    m_font = Ambient().Font;
    surface().SelectFont(m_font);
    surface().SetBkMode(Gdi::TRANSPARENT);
    m_iconSize = kDefaultIconSize;
    m_colorFrom = kDefaultColorFrom;
    m_colorTo = kDefaultColorTo;
    m_txtBoxShadow = 0;
    m_themeColor = 0;
    m_enabled = true;
    ApplyTheme();
    m_textBoxHeight = kDefaultTextBoxHeight;
    m_alignment = kDefaultAlignment;
    m_iconAlignment = 0;
    // A frame that is never loaded still has a disabled look to show.
    LoadDisabledColours();
}

quint32 jcFrames::TranslateColour(quint32 color) {
    quint32 rgb = 0;
    return Colors::OleTranslateColor(color, &rgb) ? rgb : kNoColour;
}

quint32 jcFrames::HostBackColor() const {
    return TranslateColour(Ambient().BackColor);
}

// ---- Assignments ---------------------------------------------------------------------------

void jcFrames::Changed(const char* name, bool notify) {
    if (notify) PropertyChanged(QString::fromLatin1(name));
    RedrawFrame();
}

void jcFrames::SetStyle(int style) {
    m_style = style;
    ApplyStylePreset();
    Changed("Style");
}

void jcFrames::SetCaption(const QString& caption) {
    m_caption = caption;
    Changed("Caption", false);
}

void jcFrames::SetAlignment(int alignment) {
    m_alignment = alignment;
    SetTextFormat();
    Changed("Alignment");
}

void jcFrames::SetFont(const QFont& font) {
    CopyFont(font);
    Changed("Font");
}

void jcFrames::SetTextColor(quint32 color) {
    m_textColor = TranslateColour(color);
    Changed("TextColor");
}

void jcFrames::SetFrameColor(quint32 color) {
    m_frameColor = TranslateColour(color);
    FollowCustomTheme();
    Changed("FrameColor");
}

void jcFrames::SetFillColor(quint32 color) {
    m_fillColor = TranslateColour(color);
    Changed("FillColor");
}

void jcFrames::SetTextBoxColor(quint32 color) {
    m_textBoxColor = TranslateColour(color);
    Changed("TextBoxColor");
}

void jcFrames::SetBackColor(quint32 color) {
    m_backColor = TranslateColour(color);
    surface().SetBkColor(m_backColor);
    Changed("BackColor");
}

void jcFrames::SetTextBoxHeight(int height) {
    m_textBoxHeight = height;
    Changed("TextBoxHeight");
}

void jcFrames::SetTxtBoxShadow(int shadow) {
    m_txtBoxShadow = shadow;
    Changed("TxtBoxShadow");
}

void jcFrames::SetRoundedCorner(bool on) {
    m_roundedCorner = on;
    Changed("RoundedCorner");
}

void jcFrames::SetRoundedCornerTxtBox(bool on) {
    m_roundedCornerTxtBox = on;
    Changed("RoundedCornerTxtBox");
}

void jcFrames::SetHeaderStyle(int style) {
    m_headerStyle = style;
    Changed("HeaderStyle");
}

void jcFrames::SetGradientHeaderStyle(int style) {
    m_gradientHeaderStyle = style;
    Changed("GradientHeaderStyle");
}

void jcFrames::SetThemeColor(int theme) {
    if (theme == m_themeColor) return;
    m_themeColor = theme;
    ApplyTheme();
    Changed("ThemeColor");
}

void jcFrames::SetColorFrom(quint32 color) {
    m_colorFrom = TranslateColour(color);
    FollowCustomTheme();
    Changed("ColorFrom");
}

void jcFrames::SetColorTo(quint32 color) {
    m_colorTo = TranslateColour(color);
    FollowCustomTheme();
    Changed("ColorTo");
}

void jcFrames::SetPicture(const QImage& picture) {
    m_picture = picture;
    Changed("Picture");
}

void jcFrames::SetIconSize(qint16 size) {
    m_iconSize = size;
    Changed("IconSize");
}

void jcFrames::SetIconAlignment(int alignment) {
    m_iconAlignment = alignment;
    Changed("IconAlignment");
}

void jcFrames::SetEnabled(bool on) {
    m_enabled = on;
    setEnabled(on);
    Changed("Enabled");
    EnableChildren();
}

// ---- Derived state -------------------------------------------------------------------------

void jcFrames::FollowCustomTheme() {
    if (m_themeColor == FrameTheme::kCustomTheme) ApplyTheme();
}

void jcFrames::ApplyTheme() {
    m_theme = FrameTheme::ThemeColors(m_themeColor, m_frameColor, m_colorFrom, m_colorTo);
}

void jcFrames::LoadDisabledColours() {
    const quint32 face = SystemRgb(Colors::SystemColor::ButtonFace);
    const quint32 border = SystemRgb(Colors::SystemColor::InactiveBorder);
    m_disabled = {border, SystemRgb(Colors::SystemColor::Light3D), HostBackColor(), face, face,
                  border};
}

void jcFrames::ApplyStylePreset() {
    const auto preset = FrameTheme::StylePreset(m_style);
    if (!preset) {
        SetTextFormat();
        return;
    }
    m_textColor = preset->textColor;
    m_frameColor = preset->frameColor;
    m_textBoxColor = preset->textBoxColor;
    m_textBoxHeight = preset->textBoxHeight;
    m_alignment = preset->alignment;
    if (preset->hostFill) m_fillColor = HostBackColor();
    if (preset->fillColor) m_fillColor = *preset->fillColor;
    if (preset->roundedCorner) m_roundedCorner = *preset->roundedCorner;
    if (preset->roundedCornerTxtBox) m_roundedCornerTxtBox = *preset->roundedCornerTxtBox;
    if (preset->gradientHeaderStyle) m_gradientHeaderStyle = *preset->gradientHeaderStyle;
    if (preset->headerStyle) m_headerStyle = *preset->headerStyle;
    if (preset->themeColor) {
        m_themeColor = *preset->themeColor;
        ApplyTheme();
    }
    SetTextFormat();
}

void jcFrames::SetTextFormat() {
    const unsigned base = m_style == kWrappedStyle ? kWrapped : kSingleLine;
    unsigned align = Gdi::DT_CENTER;
    if (m_alignment == 0) align = Gdi::DT_LEFT;
    if (m_alignment == 1) align = Gdi::DT_RIGHT;
    m_textFormat = base | align;
}

// Only the face, size, weight and slant are taken; the frame keeps its own font object.
void jcFrames::CopyFont(const QFont& font) {
    m_font.setFamily(font.family());
    if (font.pixelSize() > 0)
        m_font.setPixelSize(font.pixelSize());
    else if (font.pointSizeF() > 0)
        m_font.setPointSizeF(font.pointSizeF());
    m_font.setBold(font.bold());
    m_font.setItalic(font.italic());
    surface().SelectFont(m_font);
}

// A contained control takes the state through its own Enabled property where it has one,
// so that it repaints itself; any other widget through the toolkit's enabled state.
void jcFrames::EnableChildren() {
    for (QWidget* child : ContainedControls()) {
        const QMetaObject* meta = child->metaObject();
        const int index = meta->indexOfMethod("SetEnabled(bool)");
        if (index >= 0)
            meta->method(index).invoke(child, Qt::DirectConnection, Q_ARG(bool, m_enabled));
        else
            child->setEnabled(m_enabled);
    }
}

// ---- Life cycle ----------------------------------------------------------------------------

void jcFrames::InitProperties() {
    m_caption = Name();
    m_backColor = HostBackColor();
    m_fillColor = HostBackColor();
    m_roundedCorner = true;
    m_roundedCornerTxtBox = false;
    m_style = kDefaultStyle;
    m_themeColor = 0;
    m_textColor = 0;
    m_frameColor = 0;
    m_textBoxColor = kDefaultTextBoxColor;
    m_txtBoxShadow = 0;
    m_textBoxHeight = kDefaultTextBoxHeight;
    m_headerStyle = 1;
    m_gradientHeaderStyle = 0;
    SetTextFormat();
    surface().SetBkColor(m_backColor);
    LoadDisabledColours();
}

void jcFrames::ReadProperties(const PropertyBag& bag) {
    const auto readInt = [&bag](const char* key, int def) {
        return bag.Read<int>(QString::fromLatin1(key), def);
    };
    const auto readColor = [&bag](const char* key, quint32 def) {
        return bag.Read<quint32>(QString::fromLatin1(key), def);
    };
    const auto readFlag = [&bag](const char* key, bool def) {
        return bag.Read<bool>(QString::fromLatin1(key), def);
    };
    const quint32 hostBack = Ambient().BackColor;
    m_frameColor = readColor("FrameColor", 0);
    m_backColor = readColor("BackColor", hostBack);
    m_fillColor = readColor("FillColor", hostBack);
    m_textBoxColor = readColor("TextBoxColor", kDefaultTextBoxColor);
    m_txtBoxShadow = readInt("TxtBoxShadow", 0);
    m_style = readInt("Style", kDefaultStyle);
    m_roundedCorner = readFlag("RoundedCorner", true);
    m_enabled = readFlag("Enabled", true);
    m_roundedCornerTxtBox = readFlag("RoundedCornerTxtBox", false);
    m_caption = bag.Read<QString>(QStringLiteral("Caption"), Name());
    m_textBoxHeight = readInt("TextBoxHeight", kDefaultTextBoxHeight);
    m_textColor = readColor("TextColor", 0);
    m_alignment = readInt("Alignment", kDefaultAlignment);
    m_iconAlignment = readInt("IconAlignment", 0);
    const QVariant font = bag.ReadProperty(QStringLiteral("Font"));
    m_pendingFont = font.typeId() == QMetaType::QFont ? font.value<QFont>() : Ambient().Font;
    m_picture = bag.ReadProperty(QStringLiteral("Picture")).value<QImage>();
    m_iconSize = bag.Read<qint16>(QStringLiteral("IconSize"), kDefaultIconSize);
    m_themeColor = readInt("ThemeColor", 0);
    m_colorFrom = readColor("ColorFrom", kDefaultColorFrom);
    m_colorTo = readColor("ColorTo", kDefaultColorTo);
    m_headerStyle = readInt("HeaderStyle", 0);
    m_gradientHeaderStyle = readInt("GradientHeaderStyle", 0);
}

void jcFrames::ApplyProperties() {
    setEnabled(m_enabled);
    surface().SetBkColor(TranslateColour(m_backColor));
    SetTextFormat();
    CopyFont(m_pendingFont);
    ApplyTheme();
    LoadDisabledColours();
    OnResize();
}

void jcFrames::WriteProperties(PropertyBag& bag) {
    const auto writeInt = [&bag](const char* key, int value, int def) {
        bag.WriteProperty(QString::fromLatin1(key), value, def);
    };
    const auto writeColor = [&bag](const char* key, quint32 value, quint32 def) {
        bag.WriteProperty(QString::fromLatin1(key), value, def);
    };
    const auto writeFlag = [&bag](const char* key, bool value, bool def) {
        bag.WriteProperty(QString::fromLatin1(key), value, def);
    };
    const quint32 hostBack = Ambient().BackColor;
    writeColor("FrameColor", m_frameColor, 0);
    writeColor("BackColor", m_backColor, hostBack);
    writeColor("FillColor", m_fillColor, hostBack);
    writeColor("TextBoxColor", m_textBoxColor, kDefaultTextBoxColor);
    writeInt("TxtBoxShadow", m_txtBoxShadow, 0);
    writeInt("Style", m_style, kDefaultStyle);
    writeFlag("RoundedCorner", m_roundedCorner, true);
    writeFlag("Enabled", m_enabled, true);
    writeFlag("RoundedCornerTxtBox", m_roundedCornerTxtBox, false);
    bag.WriteProperty(QStringLiteral("Caption"), m_caption, Name());
    writeInt("TextBoxHeight", m_textBoxHeight, kDefaultTextBoxHeight);
    writeColor("TextColor", m_textColor, 0);
    writeInt("Alignment", m_alignment, kDefaultAlignment);
    writeInt("IconAlignment", m_iconAlignment, 0);
    bag.WriteProperty(QStringLiteral("Font"), m_font, Ambient().Font);
    bag.WriteProperty(QStringLiteral("Picture"), m_picture);
    bag.WriteProperty(QStringLiteral("IconSize"), QVariant::fromValue(m_iconSize),
                      QVariant::fromValue(kDefaultIconSize));
    writeInt("ThemeColor", m_themeColor, 0);
    writeColor("ColorFrom", m_colorFrom, kDefaultColorFrom);
    writeColor("ColorTo", m_colorTo, kDefaultColorTo);
    writeInt("HeaderStyle", m_headerStyle, 0);
    writeInt("GradientHeaderStyle", m_gradientHeaderStyle, 0);
}

// The frame is never smaller than 700 x 400 twips.
void jcFrames::OnResize() {
    const int w = WidthTwips();
    const int h = HeightTwips();
    if (w < kMinWidthTwips || h < kMinHeightTwips) {
        // The size change comes back here and repaints.
        const QSize before = size();
        SetSizeTwips(qMax(w, kMinWidthTwips), qMax(h, kMinHeightTwips));
        if (size() != before) return;
    }
    RedrawFrame();
}
