#include "FxFrame.h"

#include <QCoreApplication>
#include <QCursor>
#include <QPixmap>

#include "MessageBox.h"
#include "PropertyBag.h"
#include "Rounding.h"

namespace {

constexpr int kCreationWidthTwips = 1200;
constexpr int kCreationHeightTwips = 350;
constexpr int kMaxDrawWidth = 255;
constexpr int kInt16Max = 32767;
constexpr quint32 kDefaultMaskColor = 0xC0C0C0;
constexpr int kCustomPointer = 99;

quint32 SystemRgb(Colors::SystemColor color) {
    return Colors::TranslateColor(Colors::System(color));
}

Qt::CursorShape CursorShapeOf(int pointer) {
    switch (pointer) {
        case 2:
            return Qt::CrossCursor;
        case 3:
            return Qt::IBeamCursor;
        case 5:
            return Qt::SizeAllCursor;
        case 6:
            return Qt::SizeBDiagCursor;
        case 7:
            return Qt::SizeVerCursor;
        case 8:
            return Qt::SizeFDiagCursor;
        case 9:
            return Qt::SizeHorCursor;
        case 10:
            return Qt::UpArrowCursor;
        case 11:
            return Qt::WaitCursor;
        case 12:
            return Qt::ForbiddenCursor;
        case 13:
            return Qt::BusyCursor;
        case 14:
            return Qt::WhatsThisCursor;
        case 15:
            return Qt::SizeAllCursor;
        default:
            return Qt::ArrowCursor;
    }
}

}  // namespace

FxFrame::FxFrame(QWidget* parent) : UserControl(parent) {
    surface().SelectFont(Ambient().Font);
    surface().SetBkMode(Gdi::TRANSPARENT);
    SetSizeTwips(kCreationWidthTwips, kCreationHeightTwips);
}

// ---- Assignments ---------------------------------------------------------------------------

void FxFrame::Changed(const char* name, bool resize) {
    PropertyChanged(QString::fromLatin1(name));
    if (resize) OnResize();
    UserControl::Refresh();
}

void FxFrame::SetFont(const QFont& font) {
    surface().SelectFont(font);
    OnResize();
    UserControl::Refresh();
    PropertyChanged(QStringLiteral("Font"));
}

void FxFrame::SetStyle(int style) {
    m_style = style;
    Changed("Style");
}

void FxFrame::SetAppearance(int appearance) {
    m_appearance = appearance;
    Changed("Appearance");
}

void FxFrame::SetAutoSize(bool on) {
    m_autoSize = on;
    Changed("AutoSize");
}

void FxFrame::SetBackColor(quint32 color) {
    m_backColor = color;
    surface().SetBkColor(color);
    Changed("BackColor");
}

void FxFrame::SetBaseColor(quint32 color) {
    m_baseColor = color;
    Changed("BaseColor");
}

void FxFrame::SetForeColor(quint32 color) {
    m_foreColor = color;
    Changed("ForeColor");
}

void FxFrame::SetFontColor(quint32 color) {
    m_fontColor = color;
    surface().SetTextColor(color);
    Changed("FontColor");
}

void FxFrame::SetFillColor(quint32 color) {
    m_fillColor = color;
    ApplyBrush();
    Changed("FillColor");
}

void FxFrame::SetMaskColor(quint32 color) {
    m_maskColorValue = color;
    UserControl::SetMaskColor(color);
    Changed("MaskColor");
}

void FxFrame::SetUseMaskColor(bool on) {
    m_useMaskColor = on;
    SetMaskPicture(QImage());
    SetBackStyle(on ? BackStyle::Transparent : BackStyle::Opaque);
    Changed("UseMaskColor");
}

void FxFrame::SetBorderStyle(int style) {
    m_borderStyle = style;
    Changed("BorderStyle");
}

void FxFrame::SetFillStyle(int style) {
    m_fillStyle = style;
    ApplyBrush();
    Changed("FillStyle");
}

void FxFrame::SetAlignment(int alignment) {
    m_alignment = alignment;
    Changed("Alignment");
}

void FxFrame::SetCaptionOffset(int offset) {
    m_captionOffset = offset;
    Changed("CaptionOffset");
}

void FxFrame::SetPicture(const QImage& picture) {
    m_picture = picture;
    Changed("Picture");
}

void FxFrame::SetAutoRedraw(bool on) {
    UserControl::SetAutoRedraw(on);
    Changed("AutoRedraw", false);
}

void FxFrame::SetDrawWidth(int width) {
    m_drawWidth = qBound(1, width, kMaxDrawWidth);
    Changed("DrawWidth");
}

void FxFrame::SetEnabled(bool on) {
    m_enabled = on;
    setEnabled(on);
    Changed("Enabled");
}

void FxFrame::SetCaption(const QString& caption) {
    m_caption = caption;
    UpdateAccessKeys();
    Changed("Caption");
}

void FxFrame::SetOpreFix(bool on) {
    m_opreFix = on;
    UpdateAccessKeys();
    Changed("OpreFix");
}

void FxFrame::SetMousePointer(int pointer) {
    m_mousePointer = pointer;
    ApplyCursor();
    PropertyChanged(QStringLiteral("MousePointer"));
}

void FxFrame::SetMouseIcon(const QImage& icon) {
    m_mouseIcon = icon;
    ApplyCursor();
    PropertyChanged(QStringLiteral("MouseIcon"));
}

bool FxFrame::SetCRad(int radius) {
    if (radius > kInt16Max) return false;
    m_cRad = qMax(radius, 0);
    Changed("CRad");
    return true;
}

void FxFrame::SetIcon(const QImage& icon) {
    m_icon = icon;
    Changed("Icon");
}

void FxFrame::SetIconSize(int size) {
    m_iconSize = size;
    Changed("IconSize");
}

void FxFrame::SetIconOffset(int offset) {
    m_iconOffset = offset;
    Changed("IconOffset");
}

void FxFrame::ApplyBrush() {
    surface().SelectBrush(Gdi::Brush::FromFillStyle(m_fillStyle, m_fillColor));
}

void FxFrame::ApplyCursor() {
    if (m_mousePointer == kCustomPointer && !m_mouseIcon.isNull())
        setCursor(QCursor(QPixmap::fromImage(m_mouseIcon)));
    else if (m_mousePointer == 0)
        unsetCursor();
    else
        setCursor(CursorShapeOf(m_mousePointer));
}

// The character after a single "&" is the caption's access key.
void FxFrame::UpdateAccessKeys() {
    const QList<int> underlined = Gdi::StripPrefixes(m_caption).underlined;
    const QString text = Gdi::StripPrefixes(m_caption).text;
    QString keys;
    if (m_opreFix)
        for (int i : underlined)
            keys += text.at(i);
    SetAccessKeys(keys);
}

// ---- Life cycle ----------------------------------------------------------------------------

void FxFrame::InitProperties() {
    m_style = 0;
    m_appearance = 0;
    m_autoSize = false;
    m_backColor = SystemRgb(Colors::SystemColor::ButtonFace);
    m_baseColor = SystemRgb(Colors::SystemColor::ButtonShadow);
    m_foreColor = SystemRgb(Colors::SystemColor::InactiveBorder);
    m_fontColor = SystemRgb(Colors::SystemColor::ButtonText);
    m_fillColor = SystemRgb(Colors::SystemColor::ButtonFace);
    m_caption = Name();
    UpdateAccessKeys();
}

void FxFrame::ReadProperties(const PropertyBag& bag) {
    const auto readInt = [&bag](const char* key, int def) {
        return bag.Read<int>(QString::fromLatin1(key), def);
    };
    const auto readColor = [&bag](const char* key, quint32 def) {
        return bag.Read<quint32>(QString::fromLatin1(key), def);
    };
    const auto readFlag = [&bag](const char* key, bool def) {
        return bag.Read<bool>(QString::fromLatin1(key), def);
    };
    const auto readImage = [&bag](const char* key) {
        return bag.ReadProperty(QString::fromLatin1(key)).value<QImage>();
    };
    const QVariant font = bag.ReadProperty(QStringLiteral("Font"));
    if (font.canConvert<QFont>() && font.typeId() == QMetaType::QFont)
        surface().SelectFont(font.value<QFont>());
    m_style = readInt("Style", 0);
    m_appearance = readInt("Appearance", 0);
    m_autoSize = readFlag("AutoSize", false);
    m_backColor = readColor("BackColor", SystemRgb(Colors::SystemColor::ButtonFace));
    m_baseColor = readColor("BaseColor", SystemRgb(Colors::SystemColor::ButtonShadow));
    m_foreColor = readColor("ForeColor", SystemRgb(Colors::SystemColor::InactiveBorder));
    m_fontColor = readColor("FontColor", SystemRgb(Colors::SystemColor::ButtonText));
    m_fillColor = readColor("FillColor", SystemRgb(Colors::SystemColor::ButtonFace));
    m_maskColorValue = readColor("MaskColor", kDefaultMaskColor);
    m_useMaskColor = readFlag("UseMaskColor", false);
    m_borderStyle = readInt("BorderStyle", 0);
    m_fillStyle = readInt("FillStyle", 1);
    m_alignment = readInt("Alignment", 0);
    m_captionOffset = readInt("CaptionOffset", 8);
    m_picture = readImage("Picture");
    UserControl::SetAutoRedraw(readFlag("AutoRedraw", true));
    // The line width keeps its limits also when it comes from stored data.
    m_drawWidth = qBound(1, readInt("DrawWidth", 1), kMaxDrawWidth);
    m_enabled = readFlag("Enabled", true);
    m_caption = bag.Read<QString>(QStringLiteral("Caption"), Name());
    m_opreFix = readFlag("OpreFix", true);
    m_mousePointer = readInt("MousePointer", 0);
    m_mouseIcon = readImage("MouseIcon");
    // As in an assignment: a negative radius is 0, one beyond 16 bits is not taken.
    const int cRad = readInt("CRad", 5);
    if (cRad <= kInt16Max) m_cRad = qMax(cRad, 0);
    m_icon = readImage("Icon");
    m_iconSize = readInt("IconSize", 16);
    m_iconOffset = readInt("IconOffset", 4);
}

void FxFrame::ApplyProperties() {
    Surface& s = surface();
    setEnabled(m_enabled);
    ApplyCursor();
    SetBackStyle(m_useMaskColor ? BackStyle::Transparent : BackStyle::Opaque);
    s.SetBkColor(m_backColor);
    s.SetTextColor(m_fontColor);
    ApplyBrush();
    UserControl::SetMaskColor(m_maskColorValue);
    UpdateAccessKeys();
    if (m_autoSize) ApplyAutoSize();
    OnResize();
}

void FxFrame::WriteProperties(PropertyBag& bag) {
    const auto writeInt = [&bag](const char* key, int value, int def) {
        bag.WriteProperty(QString::fromLatin1(key), value, def);
    };
    const auto writeColor = [&bag](const char* key, quint32 value, quint32 def) {
        bag.WriteProperty(QString::fromLatin1(key), value, def);
    };
    const auto writeShort = [&bag](const char* key, int value, int def) {
        bag.WriteProperty(QString::fromLatin1(key), QVariant::fromValue(qint16(value)),
                          QVariant::fromValue(qint16(def)));
    };
    const auto writeFlag = [&bag](const char* key, bool value, bool def) {
        bag.WriteProperty(QString::fromLatin1(key), value, def);
    };
    bag.WriteProperty(QStringLiteral("Font"), Font());
    writeInt("Style", m_style, 0);
    writeInt("Appearance", m_appearance, 0);
    writeFlag("AutoSize", m_autoSize, false);
    writeColor("BackColor", m_backColor, SystemRgb(Colors::SystemColor::ButtonFace));
    writeColor("BaseColor", m_baseColor, SystemRgb(Colors::SystemColor::ButtonShadow));
    writeColor("ForeColor", m_foreColor, SystemRgb(Colors::SystemColor::InactiveBorder));
    writeColor("FontColor", m_fontColor, SystemRgb(Colors::SystemColor::ButtonText));
    writeColor("FillColor", m_fillColor, SystemRgb(Colors::SystemColor::ButtonFace));
    writeColor("MaskColor", m_maskColorValue, kDefaultMaskColor);
    writeFlag("UseMaskColor", m_useMaskColor, false);
    writeInt("BorderStyle", m_borderStyle, 0);
    writeInt("FillStyle", m_fillStyle, 1);
    writeInt("Alignment", m_alignment, 0);
    writeInt("CaptionOffset", m_captionOffset, 8);
    bag.WriteProperty(QStringLiteral("Picture"), m_picture);
    writeFlag("AutoRedraw", AutoRedraw(), true);
    writeShort("DrawWidth", m_drawWidth, 1);
    writeFlag("Enabled", m_enabled, true);
    bag.WriteProperty(QStringLiteral("Caption"), m_caption, Name());
    writeFlag("OpreFix", m_opreFix, true);
    writeInt("MousePointer", m_mousePointer, 0);
    bag.WriteProperty(QStringLiteral("MouseIcon"), m_mouseIcon);
    writeShort("CRad", m_cRad, 5);
    bag.WriteProperty(QStringLiteral("Icon"), m_icon);
    writeInt("IconSize", m_iconSize, 16);
    writeInt("IconOffset", m_iconOffset, 4);
}

void FxFrame::OnResize() {
    if (m_autoSize) ApplyAutoSize();
    Redraw();
    emit Resize();
}

// ---- Methods -------------------------------------------------------------------------------

void FxFrame::About() {
    // major.minor.revision, missing parts as 0.
    QStringList version = QCoreApplication::applicationVersion().split(u'.', Qt::SkipEmptyParts);
    while (version.size() < 3)
        version.append(QStringLiteral("0"));
    const QString title =
        QStringLiteral("关于 ") + MessageBox::AppTitle() + u' ' + version.mid(0, 3).join(u'.');
    const QString legal = QCoreApplication::instance()
                              ? QCoreApplication::instance()->property("legalNotice").toString()
                              : QString();
    const QString text = QStringLiteral("\r\n非常感谢使用本控件！  \r\n\r\n") +
                         QStringLiteral("作者：Veltrane 控件组\r\n") +
                         QStringLiteral("反馈：请在项目的问题列表中留言\r\n\r\n") + legal +
                         QStringLiteral("\r\n\r\n");
    MessageBox::Show(text, MessageBox::Icon::Information, title);
}

quint32 FxFrame::POINT(float x, float y) const {
    return surface().GetPixel(RoundHalfEven(x), RoundHalfEven(y));
}

void FxFrame::Size(float width, float height) {
    SetSizeTwips(RoundHalfEven(width), RoundHalfEven(height));
}

void FxFrame::dAutoSize() {
    ApplyAutoSize();
}
