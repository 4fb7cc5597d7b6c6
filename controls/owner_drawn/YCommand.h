#pragma once

#include <QFont>
#include <QImage>
#include <QString>

#include "OwnerDrawnControl.h"
#include "Timer.h"
#include "UserControl.h"
#include "WindowHook.h"
#include "YCommandLayout.h"

// The main window's flat push button: a rounded, anti-aliased outline and a fill derived from
// one base colour, an optional icon at the left and a centred or wrapped caption. In a live
// program it paints itself and follows the mouse through hooks on its own window; in a designer
// it draws in the ordinary paint event.
class YCommand : public OwnerDrawnControl {
    Q_OBJECT
public:
    static constexpr quint32 kDefaultBase = Colors::Rgb(70, 190, 247);
    static constexpr int kDefaultIconSize = 16;
    static constexpr int kDefaultItemLeft = 6;
    // Mouse moves closer together than this are not looked at.
    static constexpr quint32 kMoveThrottleMs = 30;
    static constexpr int kLeaveIntervalMs = 100;

    explicit YCommand(QWidget* parent = nullptr);
    ~YCommand() override;

    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    // Disabled: normal colours, embossed caption, no events; the window still gets the mouse.
    bool Enabled() const { return m_enabled; }
    Q_INVOKABLE void SetEnabled(bool enabled);
    // Write-only in the stored data: the icon is never saved.
    void SetIcon(const QImage& icon);
    bool HasIcon() const { return !m_icon.isNull(); }
    int IconSize() const { return m_iconSize; }
    void SetIconSize(int size);  // below 1 is ignored
    int relItemLeft() const { return m_relItemLeft; }
    void SetrelItemLeft(int x);  // below 1 is ignored
    quint32 clrBase() const { return m_clrBase; }
    void SetclrBase(quint32 color);
    int ReserveFx() const { return m_reserveFx; }
    void SetReserveFx(int value);
    QFont Font() const { return m_font; }
    void SetFont(const QFont& font);
    quint32 ForeColor() const { return m_foreColor; }
    void SetForeColor(quint32 color);
    quint32 BackColor() const { return m_backColor; }
    void SetBackColor(quint32 color);
    QWidget* hWnd() { return this; }

    // Run-time state.
    bool IsHover() const { return m_hover; }
    bool IsPressed() const { return m_pressed; }
    bool LeftWhilePressed() const { return m_leftWhilePressed; }
    YCommandLayout::ButtonLook CurrentLook() const;
    const WindowHook& Hooks() const { return m_hook; }

    void zSubclass_Proc(bool before, bool& handled, qint32& result, QWidget*& window,
                        quint32& message, qint32& wParam, qint32& lParam) override;

signals:
    void Click();
    void DBClick();

protected:
    void InitProperties() override;
    void ReadProperties(const PropertyBag& bag) override;
    void ApplyProperties() override;
    void WriteProperties(PropertyBag& bag) override;

private:
    void AttachHooks();
    void Draw(Surface* dc) const override;
    QFont PaintFont() const override { return m_font; }
    quint32 PaintForeColor() const override { return m_foreColor; }
    void DrawCaption(Surface* dc) const;
    quint32 ParentBackColor() const;
    void OnLeaveTimer();
    void OnMouseMoveMessage();
    void OnButtonUp(qint32 lParam);

    QString m_caption;
    bool m_enabled = true;
    QImage m_icon;
    int m_iconSize = kDefaultIconSize;
    int m_relItemLeft = kDefaultItemLeft;
    quint32 m_clrBase = kDefaultBase;
    int m_reserveFx = 0;
    QFont m_font;
    quint32 m_foreColor = Colors::kButtonText;
    quint32 m_backColor = Colors::kButtonFace;

    bool m_hover = false;
    bool m_pressed = false;
    bool m_leftWhilePressed = false;
    bool m_moveSeen = false;
    quint32 m_lastMove = 0;
    Timer m_tmrIsLeave;
    WindowHook m_hook;

    // Values read from the stored data, applied after the last key.
    struct Pending {
        QFont font;
        quint32 backColor = 0;
        quint32 foreColor = 0;
        int iconSize = kDefaultIconSize;
        QString caption;
        bool enabled = true;
        int relItemLeft = kDefaultItemLeft;
        quint32 clrBase = 0;
        int reserveFx = 0;
    } m_pending;
};
