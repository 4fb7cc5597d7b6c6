#pragma once

#include <QFont>
#include <QImage>
#include <QString>

#include "Gdi.h"
#include "UserControl.h"

// A frame with a caption in three looks, chosen by Style: a group frame whose caption sits in
// a gap of a rounded outline (0), a picture panel (1) and a label (2). It can contain other
// controls.
class FxFrame : public UserControl {
    Q_OBJECT
public:
    explicit FxFrame(QWidget* parent = nullptr);

    QFont Font() const { return surface().font(); }
    void SetFont(const QFont& font);
    int Style() const { return m_style; }
    void SetStyle(int style);
    int Appearance() const { return m_appearance; }
    void SetAppearance(int appearance);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool on);
    quint32 BackColor() const { return m_backColor; }
    void SetBackColor(quint32 color);
    quint32 BaseColor() const { return m_baseColor; }
    void SetBaseColor(quint32 color);
    quint32 ForeColor() const { return m_foreColor; }
    void SetForeColor(quint32 color);
    quint32 FontColor() const { return m_fontColor; }
    void SetFontColor(quint32 color);
    quint32 FillColor() const { return m_fillColor; }
    void SetFillColor(quint32 color);
    quint32 MaskColor() const { return m_maskColorValue; }
    void SetMaskColor(quint32 color);
    bool UseMaskColor() const { return m_useMaskColor; }
    void SetUseMaskColor(bool on);
    int BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(int style);
    int FillStyle() const { return m_fillStyle; }
    void SetFillStyle(int style);
    int Alignment() const { return m_alignment; }
    void SetAlignment(int alignment);
    int CaptionOffset() const { return m_captionOffset; }
    void SetCaptionOffset(int offset);
    QImage Picture() const { return m_picture; }
    void SetPicture(const QImage& picture);
    void SetAutoRedraw(bool on);
    int DrawWidth() const { return m_drawWidth; }
    void SetDrawWidth(int width);
    bool Enabled() const { return m_enabled; }
    Q_INVOKABLE void SetEnabled(bool on);
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    bool OpreFix() const { return m_opreFix; }
    void SetOpreFix(bool on);
    int MousePointer() const { return m_mousePointer; }
    void SetMousePointer(int pointer);
    QImage MouseIcon() const { return m_mouseIcon; }
    void SetMouseIcon(const QImage& icon);
    int CRad() const { return m_cRad; }
    // False, and nothing changes, for a value above 32767 (it is kept in 16 bits).
    bool SetCRad(int radius);
    QImage Icon() const { return m_icon; }
    void SetIcon(const QImage& icon);
    int IconSize() const { return m_iconSize; }
    void SetIconSize(int size);
    int IconOffset() const { return m_iconOffset; }
    void SetIconOffset(int offset);

    // The caption's measured size and rectangle of the last repaint.
    QSize CaptionSize() const { return m_captionSize; }
    Gdi::Rect CaptionRect() const { return m_captionRect; }

    void About();
    void Cls() { surface().Cls(); }
    quint32 POINT(float x, float y) const;
    void Size(float width, float height);
    void dAutoSize();

signals:
    void Click();
    void DblClick();
    void Show();
    void Hide();
    void Resize();
    void KeyDown(int keyCode, int shift);
    void KeyPress(int keyAscii);
    void KeyUp(int keyCode, int shift);
    void MouseDown(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);
    void Paint();

protected:
    void InitProperties() override;
    void ReadProperties(const PropertyBag& bag) override;
    void ApplyProperties() override;
    void WriteProperties(PropertyBag& bag) override;
    void Redraw() override;
    void OnResize() override;
    void OnPaint() override { emit Paint(); }
    void OnShow() override { emit Show(); }
    void OnHide() override { emit Hide(); }
    void OnClick() override { emit Click(); }
    void OnDblClick(int, int, float, float) override { emit DblClick(); }
    void OnKeyDown(int keyCode, int shift) override { emit KeyDown(keyCode, shift); }
    void OnKeyUp(int keyCode, int shift) override { emit KeyUp(keyCode, shift); }
    void OnKeyPress(int keyAscii) override { emit KeyPress(keyAscii); }
    void OnMouseDown(int b, int s, float x, float y) override { emit MouseDown(b, s, x, y); }
    void OnMouseUp(int b, int s, float x, float y) override { emit MouseUp(b, s, x, y); }
    void OnMouseMove(int b, int s, float x, float y) override { emit MouseMove(b, s, x, y); }
    void OnAccessKeyPress(int) override { emit Click(); }
    void OnAmbientChanged(const QString&) override { OnResize(); }

private:
    // The steps that follow storing a value: the change notice, the resize handling (unless
    // left out) and a refresh.
    void Changed(const char* name, bool resize = true);
    void ApplyCursor();
    void ApplyBrush();
    void UpdateAccessKeys();

    // Drawing (FxFrameDrawing.cpp).
    void DrawGroupFrame(Surface& s);
    void DrawPanelOrLabel(Surface& s);
    QSize MeasureCaption(const QString& text) const;
    int CaptionLineY(int lineWidth) const;
    void DrawRoundFrame(Surface& s, int lineWidth);
    void DrawCaption(Surface& s, Gdi::Rect rect);
    void DrawBorderRect(Surface& s, int lineWidth);
    void DrawPictureAt(Surface& s, int x, int y, const QImage& picture, int w = -1, int h = -1);
    void ApplyAutoSize();

    int m_style = 0;
    int m_appearance = 0;
    bool m_autoSize = false;
    quint32 m_backColor = 0;
    quint32 m_baseColor = 0;
    quint32 m_foreColor = 0;
    quint32 m_fontColor = 0;
    quint32 m_fillColor = 0;
    quint32 m_maskColorValue = 0xC0C0C0;
    bool m_useMaskColor = false;
    int m_borderStyle = 0;
    int m_fillStyle = 1;
    int m_alignment = 0;
    int m_captionOffset = 8;
    QImage m_picture;
    int m_drawWidth = 1;
    bool m_enabled = true;
    QString m_caption;
    bool m_opreFix = true;
    int m_mousePointer = 0;
    QImage m_mouseIcon;
    int m_cRad = 5;
    QImage m_icon;
    int m_iconSize = 16;
    int m_iconOffset = 4;
    QSize m_captionSize;
    Gdi::Rect m_captionRect;
};
