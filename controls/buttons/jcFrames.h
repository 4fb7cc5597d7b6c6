#pragma once

#include <QFont>
#include <QImage>
#include <QString>

#include "FramePainters.h"
#include "FrameTheme.h"
#include "UserControl.h"

// A container group frame: a caption, an optional icon and one of nine drawing styles,
// coloured from its own colour properties and a three-colour theme. Every property write ends
// in a complete repaint (RedrawFrame); disabling it greys it and disables what it contains.
class jcFrames : public UserControl {
    Q_OBJECT
public:
    // The smallest size the frame takes, in twips.
    static constexpr int kMinWidthTwips = 700;
    static constexpr int kMinHeightTwips = 400;

    explicit jcFrames(QWidget* parent = nullptr);

    int Style() const { return m_style; }
    void SetStyle(int style);  // also applies the style's preset
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    int Alignment() const { return m_alignment; }
    void SetAlignment(int alignment);
    QFont Font() const { return m_font; }
    void SetFont(const QFont& font);
    quint32 TextColor() const { return m_textColor; }
    void SetTextColor(quint32 color);
    quint32 FrameColor() const { return m_frameColor; }
    void SetFrameColor(quint32 color);
    // Returns/Sets the Fill color for TextBox and Windows style
    quint32 FillColor() const { return m_fillColor; }
    void SetFillColor(quint32 color);
    quint32 TextBoxColor() const { return m_textBoxColor; }
    void SetTextBoxColor(quint32 color);
    quint32 BackColor() const { return m_backColor; }
    void SetBackColor(quint32 color);
    int TextBoxHeight() const { return m_textBoxHeight; }
    void SetTextBoxHeight(int height);
    int TxtBoxShadow() const { return m_txtBoxShadow; }
    void SetTxtBoxShadow(int shadow);
    bool RoundedCorner() const { return m_roundedCorner; }
    void SetRoundedCorner(bool on);
    bool RoundedCornerTxtBox() const { return m_roundedCornerTxtBox; }
    void SetRoundedCornerTxtBox(bool on);
    int HeaderStyle() const { return m_headerStyle; }
    void SetHeaderStyle(int style);
    int GradientHeaderStyle() const { return m_gradientHeaderStyle; }
    void SetGradientHeaderStyle(int style);
    int ThemeColor() const { return m_themeColor; }
    void SetThemeColor(int theme);  // a write of the current theme does nothing
    // Returns/Sets the Start color for gradient
    quint32 ColorFrom() const { return m_colorFrom; }
    void SetColorFrom(quint32 color);
    // Returns/Sets the End color for gradient
    quint32 ColorTo() const { return m_colorTo; }
    void SetColorTo(quint32 color);
    QImage Picture() const { return m_picture; }
    void SetPicture(const QImage& picture);
    qint16 IconSize() const { return m_iconSize; }
    void SetIconSize(qint16 size);
    int IconAlignment() const { return m_iconAlignment; }
    void SetIconAlignment(int alignment);
    bool Enabled() const { return m_enabled; }
    // Repaints, then passes the state to every contained control.
    Q_INVOKABLE void SetEnabled(bool on);

    // ---- What the last repaint used, for tests and tools ----
    FrameTheme::Colors3 Theme() const { return m_theme; }
    FramePainters::ColorSet DisabledColors() const { return m_disabled; }
    unsigned TextFormat() const { return m_textFormat; }
    Gdi::Rect CaptionRect() const { return m_captionRect; }
    QString ShownCaption() const { return m_shownCaption; }
    QPoint IconPosition() const { return m_iconPosition; }

    // An OLE colour (system colour or RGB) as RGB; 0xFFFFFFFF (-1) when it is neither.
    static quint32 TranslateColour(quint32 color);
    // The caption cut to width: unchanged when it fits, else its widest prefix that fits with
    // "..." after it, or empty when not even "..." fits.
    QString FitCaption(const QString& text, int width) const;

signals:
    void MouseMove(int button, int shift, float x, float y);

protected:
    void InitProperties() override;
    void ReadProperties(const PropertyBag& bag) override;
    void ApplyProperties() override;
    void WriteProperties(PropertyBag& bag) override;
    void Redraw() override { RedrawFrame(); }
    void OnResize() override;
    void OnMouseMove(int b, int s, float x, float y) override { emit MouseMove(b, s, x, y); }
    void OnAmbientChanged(const QString&) override { RedrawFrame(); }

private:
    // Stores nothing itself: the change notice (unless left out), then the repaint.
    void Changed(const char* name, bool notify = true);
    quint32 HostBackColor() const;
    void ApplyTheme();
    void ApplyStylePreset();
    void LoadDisabledColours();
    void SetTextFormat();
    void CopyFont(const QFont& font);
    void EnableChildren();
    // With the custom theme, the frame colour and both gradient ends are the theme.
    void FollowCustomTheme();

    // The repaint (jcFramesRedraw.cpp).
    void RedrawFrame();
    FramePainters::Input PainterInput(const QString& shown) const;
    void PlaceIcon(FramePainters::Output* out);
    void DrawCaption(const Gdi::Rect& rect, const QString& shown);
    void DrawIcon(int x, int y);

    int m_style = 0;
    QString m_caption;
    int m_alignment = 2;
    QFont m_font;
    quint32 m_textColor = 0;
    quint32 m_frameColor = 0;
    quint32 m_fillColor = 0;
    quint32 m_textBoxColor = 0;
    quint32 m_backColor = 0;
    int m_textBoxHeight = 22;
    int m_txtBoxShadow = 0;
    bool m_roundedCorner = false;
    bool m_roundedCornerTxtBox = false;
    int m_headerStyle = 0;
    int m_gradientHeaderStyle = 0;
    int m_themeColor = 0;
    quint32 m_colorFrom = 0x9E9EFF;
    quint32 m_colorTo = 0xF0F0FF;
    QImage m_picture;
    qint16 m_iconSize = 16;
    int m_iconAlignment = 0;
    bool m_enabled = true;
    QFont m_pendingFont;  // the stored font, copied in once every key is read

    FrameTheme::Colors3 m_theme;
    FramePainters::ColorSet m_disabled;
    unsigned m_textFormat = 0;
    Gdi::Rect m_captionRect;
    QString m_shownCaption;
    QPoint m_iconPosition;
};
