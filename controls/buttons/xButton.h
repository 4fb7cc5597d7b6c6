#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <array>

#include "ButtonState.h"
#include "UserControl.h"
#include "xButtonFace.h"

// A push button, optionally a two-state check button, whose faces are cut from one of seven
// built-in skins, with an icon per state and a single-line caption. The four faces are
// composed once per size, skin, float flag or background and shown by state.
class xButton : public UserControl {
    Q_OBJECT
public:
    static constexpr int kSkinCount = 7;

    explicit xButton(QWidget* parent = nullptr);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);  // stored without surrounding spaces
    bool Enabled() const { return isEnabled(); }
    Q_INVOKABLE void SetEnabled(bool enabled);
    QFont Font() const { return m_font; }
    void SetFont(const QFont& font);
    // The background of the composed faces (seen where the float flag leaves the normal face
    // blank).
    quint32 BackColor() const { return m_skinBackColor; }
    void SetBackColor(quint32 color);
    quint32 ForeColor() const { return m_foreColor; }
    void SetForeColor(quint32 color);
    bool FocusRect() const { return m_focusRect; }
    void SetFocusRect(bool on) { m_focusRect = on; }
    bool checkButton() const { return m_checkButton; }
    void SetcheckButton(bool on);
    bool checkValue() const { return m_checkValue; }
    void SetcheckValue(bool value);  // ignored outside check mode
    int buttonSkin() const { return m_skin; }
    // Indices outside 0..6 name no skin and are refused.
    void SetbuttonSkin(int index);
    bool useIco() const { return m_useIco; }
    void SetuseIco(bool on);
    bool Float() const { return m_float; }
    void SetFloat(bool on);
    QImage ico(int index) const;
    // Puts a picture into holder index (0..3) and takes its size as the icon size; holder 0
    // also fills empty hover and pressed holders.
    void SetIco(int index, const QImage& picture);
    int icoWidth() const { return m_icoWidth; }
    int icoHeight() const { return m_icoHeight; }

    ButtonState State() const { return m_state; }
    bool IsTracking() const { return m_tracking; }
    // The composed faces, 4 W x H.
    const QImage& SkinPicture() const { return m_skinPicture; }
    QSize FaceSize() const { return {m_faceWidth, m_faceHeight}; }
    const xButtonFace::Layout& FaceLayout() const { return m_layout; }

    // The built-in skin image of the given index (28 x 25).
    static const QImage& SkinImage(int index);

signals:
    void Click();

protected:
    void InitProperties() override;
    void ReadProperties(const PropertyBag& bag) override;
    void ApplyProperties() override;
    void WriteProperties(PropertyBag& bag) override;
    void Redraw() override;
    void OnResize() override { RebuildSkin(); }
    void OnGotFocus() override { Redraw(); }
    void OnLostFocus() override { Redraw(); }
    void OnMouseDown(int button, int shift, float x, float y) override;
    void OnMouseMove(int buttons, int shift, float x, float y) override;
    void OnMouseUp(int button, int shift, float x, float y) override;
    void OnDblClick(int button, int shift, float x, float y) override;

private:
    void RebuildSkin();
    void LayoutFace();
    void SetState(ButtonState state);
    void FillEmptyIcons(const QImage& picture);
    void Capture(bool on);

    QString m_caption;
    bool m_focusRect = false;
    ButtonState m_state = ButtonState::Normal;
    int m_lastButton = 0;
    bool m_tracking = false;
    int m_faceWidth = 0;
    int m_faceHeight = 0;
    int m_skin = 0;
    bool m_float = false;
    bool m_useIco = false;
    xButtonFace::Layout m_layout;
    int m_icoWidth = 0;
    int m_icoHeight = 0;
    bool m_checkButton = false;
    bool m_checkValue = false;
    QFont m_font;
    quint32 m_foreColor = Colors::kButtonText;
    quint32 m_windowBackColor = Colors::kButtonFace;
    quint32 m_skinBackColor = Colors::kWindowBackground;
    QImage m_skinPicture;
    std::array<QImage, kButtonStateCount> m_ico;

    // Values read from the stored data, applied after the last key.
    struct Pending {
        QString caption;
        bool enabled = true;
        quint32 windowBackColor = 0;
        quint32 foreColor = 0;
        bool focusRect = true;
        int skin = 0;
        QFont font;
        bool isFloat = false;
        quint32 skinBackColor = 0;
        bool useIco = false;
        int icoWidth = 0;
        int icoHeight = 0;
        std::array<QImage, kButtonStateCount> ico;
        bool check = false;
        bool value = false;
    } m_pending;
};
