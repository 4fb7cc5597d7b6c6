#pragma once

#include <QFont>
#include <QImage>
#include <QPointer>
#include <QString>

#include "ColorBlend.h"
#include "ComboItemStore.h"
#include "OwnerDrawnControl.h"
#include "Timer.h"
#include "UserControl.h"
#include "WindowHook.h"
#include "YComboGeometry.h"

class QLineEdit;
class YComboPrompt;

// A drop-down list. Closed, it is a 20-pixel box with a text box and a drop button; opened, the
// same window leaves its parent and floats topmost as a list of up to seven rows under its
// header row, with a scroll bar when there are more items, holding the mouse until a release
// closes it again. Items have a text, a small and a big icon and a check state. The control
// paints itself through a hook on its own window and takes clicks and keys from the ordinary
// mouse and key events.
class YCombo : public OwnerDrawnControl {
    Q_OBJECT
public:
    using ScrollPart = YComboGeometry::ScrollPart;

    static constexpr quint32 kBaseColor = Colors::Rgb(70, 190, 247);
    static constexpr quint32 kWhite = 0xFFFFFF;
    static constexpr int kDefaultItemHeight = 22;
    static constexpr int kDefaultIconSize = 16;
    static constexpr int kDefaultBigIconSize = 32;
    static constexpr int kDefaultCheckSize = 12;
    static constexpr int kDefaultItemLeft = 3;
    static constexpr int kDefaultItemTop = 3;
    static constexpr int kDefaultRelLeft = 2;
    static constexpr int kDefaultRelTop = 2;
    // Sizes and offsets above this are refused, so that row arithmetic cannot overflow.
    static constexpr int kMaxMetric = 1000;
    static constexpr int kMinWidth = 50;
    static constexpr quint32 kMoveThrottleMs = 30;
    static constexpr int kInitDelayMs = 100;
    static constexpr int kRepeatMs = 100;
    static constexpr int kPromptDelayMs = 500;

    explicit YCombo(QWidget* parent = nullptr);
    ~YCombo() override;

    // ---- Properties ----
    QFont Font() const { return m_font; }
    void SetFont(const QFont& font);  // only in a designer
    quint32 BackColor() const { return m_backColor; }
    void SetBackColor(quint32 color);
    quint32 ForeColor() const { return m_foreColor; }
    void SetForeColor(quint32 color);
    quint32 clrFillFocus() const { return m_clrFillFocus; }
    void SetclrFillFocus(quint32 color);
    quint32 clrFillUp() const { return m_clrFillUp; }
    void SetclrFillUp(quint32 color);
    quint32 clrFrameFocus() const { return m_clrFrameFocus; }
    void SetclrFrameFocus(quint32 color);
    quint32 clrFrameUp() const { return m_clrFrameUp; }
    void SetclrFrameUp(quint32 color);
    quint32 clrBkgNormal1() const { return m_clrBkgNormal1; }
    void SetclrBkgNormal1(quint32 color);
    quint32 clrBkgNormal2() const { return m_clrBkgNormal2; }
    void SetclrBkgNormal2(quint32 color);
    quint32 clrFrame() const { return m_clrFrame; }
    void SetclrFrame(quint32 color);
    quint32 clrCheckBoxFrame() const { return m_clrCheckBoxFrame; }
    void SetclrCheckBoxFrame(quint32 color);
    bool IsToolTip() const { return m_isToolTip; }
    void SetIsToolTip(bool on) { m_isToolTip = on; }
    bool IsDrawFocus() const { return m_isDrawFocus; }
    void SetIsDrawFocus(bool on) { m_isDrawFocus = on; }
    bool IsDrawHover() const { return m_isDrawHover; }
    void SetIsDrawHover(bool on) { m_isDrawHover = on; }
    // Stored and read back; the big-focus look and the check-box style are not switched by
    // assignment.
    bool IsDrawBigFocus() const { return m_isDrawBigFocus; }
    void SetIsDrawBigFocus(bool) {}
    int Style() const { return m_style; }
    void SetStyle(int) {}
    // Only in a designer, within their ranges: DisMode 0 to 2, sizes above 0, BigIconSize
    // above IconSize, CheckSize only with Style 1.
    int DisMode() const { return m_disMode; }
    void SetDisMode(int mode);
    int ItemHeight() const { return m_itemHeight; }
    void SetItemHeight(int height);
    int IconSize() const { return m_iconSize; }
    void SetIconSize(int size);
    int BigIconSize() const { return m_bigIconSize; }
    void SetBigIconSize(int size);
    int CheckSize() const { return m_checkSize; }
    void SetCheckSize(int size);
    int relItemTop() const { return m_relItemTop; }
    void SetrelItemTop(int top);
    int relTop() const { return m_relTop; }
    void SetrelTop(int top);
    // Any time, 1 or more.
    int relItemLeft() const { return m_relItemLeft; }
    void SetrelItemLeft(int left);
    int relLeft() const { return m_relLeft; }
    void SetrelLeft(int left);
    QWidget* hWnd() { return this; }

    // ---- Items ----
    // False (and nothing added) when a preallocation has no free slot left.
    void AddItem(const QString& text, const QImage& smallIcon = {}, const QImage& bigIcon = {});
    void RemoveItem(int index);
    void Clear();
    // Run time only, above 0: empty slots that the next additions fill, until the next layout
    // recompute.
    void SetMallocCount(int count);
    int ListCount() const { return m_items.Count(); }
    int ListIndex() const { return m_listIndex; }
    void SetListIndex(int index);  // run time only; no Click
    int HoverIndex() const { return m_hoverIndex; }
    QString Text() const;
    void SetText(const QString& text);  // run time only
    QString list(int index) const;
    void SetListText(int index, const QString& text);
    bool Selected(int index) const;
    void SetListState(int index, bool state);

    // ---- Layout and run-time state ----
    // Fixes the scroll bar, first shown row and thumb after a change of the list; runs 100 ms
    // after additions, at once after removals and when the list opens.
    void RecomputeLayout();
    int TopIndex() const { return m_topIndex; }
    int MaxTop() const { return m_maxTop; }
    bool ScrollBarVisible() const { return m_scrollBarVisible; }
    int ThumbLength() const { return m_thumbLength; }
    int ThumbPos() const { return m_thumbPos; }
    bool IsOpen() const { return m_open; }
    bool DropButtonHeld() const { return m_dropButtonHeld; }
    bool ScrollButtonHeld() const { return m_scrollButtonHeld; }
    bool ThumbDragging() const { return m_thumbDragging; }
    ScrollPart HoverPart() const { return m_hoverPart; }
    ScrollPart PressedPart() const { return m_pressedPart; }
    const WindowHook& Hooks() const { return m_hook; }
    QLineEdit* TextBox() const { return m_text1; }
    YComboPrompt* Prompt() const { return m_prompt; }

    void OpenList();
    void CloseList();

    void zSubclass_Proc(bool before, bool& handled, qint32& result, QWidget*& window,
                        quint32& message, qint32& wParam, qint32& lParam) override;

signals:
    void Click(const QString& Text);
    void MouseDown(int Button, int Shift, float X, float Y);
    void MouseMove(int Button, int Shift, float X, float Y);
    void MouseUp(int Button, int Shift, float X, float Y);
    void KeyDown(int KeyCode, int Shift);
    void Change();

protected:
    void InitProperties() override;
    void ReadProperties(const PropertyBag& bag) override;
    void ApplyProperties() override;
    void WriteProperties(PropertyBag& bag) override;
    void OnResize() override;
    void OnMouseDown(int button, int shift, float x, float y) override;
    void OnMouseMove(int buttons, int shift, float x, float y) override;
    void OnMouseUp(int button, int shift, float x, float y) override;
    void OnDblClick(int button, int shift, float x, float y) override;
    void OnKeyDown(int keyCode, int shift) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Setup and painting.
    void BuildParts();
    void StyleTextBox();
    void AttachHooks();
    void Draw(Surface* dc) const override;
    QFont PaintFont() const override { return m_font; }
    quint32 PaintForeColor() const override { return m_foreColor; }
    void DrawRows(Surface* dc) const;
    void DrawRowContent(Surface* dc, const Gdi::Rect& row, const ComboItemStore::Item& item) const;
    void DrawCheckBox(Surface* dc, const Gdi::Rect& row, bool checked) const;
    void DrawScrollBar(Surface* dc) const;
    void DrawScrollButton(Surface* dc, const Gdi::Rect& outer, ScrollPart part) const;

    // Interaction.
    YComboGeometry::ScrollMetrics Metrics() const;
    YComboGeometry::HitResult HitTest(int x, int y);
    void PressScrollBar(int y);
    void StepTo(int top);
    void OnRepeatTick();
    void StepWhileHeld(ScrollPart part, int y);
    void StopRepeating();
    void DragThumb();
    void OnWheel(int delta);
    void MoveSelection(int step);
    void ChooseSelected();
    void SetHover(int index);
    void OnPromptTick();
    QPoint CursorInClient() const;
    void SetTextBox(const QString& text);
    void SetStoredProperty(int& field, int value, bool allowed, const char* name);

    // Properties.
    QFont m_font;
    quint32 m_backColor = kWhite;
    quint32 m_foreColor = Colors::kWindowText;
    quint32 m_clrFillFocus = ColorBlend::BlendColor(kBaseColor, kWhite, 0.4f);
    quint32 m_clrFillUp = ColorBlend::BlendColor(kBaseColor, kWhite, 0.7f);
    quint32 m_clrFrameFocus = ColorBlend::BlendColor(kBaseColor, 0, 0.1f);
    quint32 m_clrFrameUp = kBaseColor;
    quint32 m_clrBkgNormal1 = kWhite;
    quint32 m_clrBkgNormal2 = kWhite;
    quint32 m_clrFrame = kBaseColor;
    quint32 m_clrCheckBoxFrame = kBaseColor;
    bool m_isToolTip = false;
    bool m_isDrawFocus = true;
    bool m_isDrawHover = true;
    bool m_isDrawBigFocus = false;
    int m_style = 0;
    int m_disMode = 0;
    int m_itemHeight = kDefaultItemHeight;
    int m_iconSize = kDefaultIconSize;
    int m_bigIconSize = kDefaultBigIconSize;
    int m_checkSize = kDefaultCheckSize;
    int m_relItemLeft = kDefaultItemLeft;
    int m_relItemTop = kDefaultItemTop;
    int m_relLeft = kDefaultRelLeft;
    int m_relTop = kDefaultRelTop;

    // List state.
    ComboItemStore m_items;
    int m_listIndex = -1;
    int m_hoverIndex = -1;
    int m_topIndex = 0;
    int m_maxTop = 0;
    int m_pendingScroll = 0;
    bool m_scrollBarVisible = false;
    int m_thumbLength = YComboGeometry::kThumbMinimum;
    int m_thumbPos = YComboGeometry::kTrackTop;

    // Interaction state.
    bool m_open = false;
    QPointer<QWidget> m_savedParent;
    QPoint m_savedPos;
    bool m_overDropButton = false;
    bool m_dropButtonHeld = false;
    ScrollPart m_pressedPart = ScrollPart::None;
    ScrollPart m_hoverPart = ScrollPart::None;
    bool m_scrollButtonHeld = false;
    bool m_firstTick = false;
    bool m_thumbDragging = false;
    int m_dragRefY = 0;
    int m_grabOffset = 0;
    bool m_moveSeen = false;
    quint32 m_lastMove = 0;

    Timer m_tmrIsLbuttonDown;
    Timer m_tmrPrompt;
    Timer m_tmrInit;
    WindowHook m_hook;
    QWidget* m_picFrame = nullptr;
    QLineEdit* m_text1 = nullptr;
    YComboPrompt* m_prompt = nullptr;

    // Values read from the stored data, applied after the last key.
    struct Pending {
        int disMode = 0;
        QFont font;
        quint32 backColor = 0;
        quint32 foreColor = 0;
        quint32 clrFillFocus = 0;
        quint32 clrFillUp = 0;
        quint32 clrFrameFocus = 0;
        quint32 clrFrameUp = 0;
        quint32 clrBkgNormal1 = 0;
        quint32 clrBkgNormal2 = 0;
        quint32 clrFrame = 0;
        bool isToolTip = false;
        bool isDrawFocus = false;
        bool isDrawBigFocus = false;
        bool isDrawHover = false;
        int style = 0;
        int checkSize = 0;
        int relItemLeft = 0;
        int relItemTop = 0;
        int relLeft = 0;
        int relTop = 0;
        int iconSize = 0;
        int bigIconSize = 0;
        int itemHeight = 0;
        quint32 clrCheckBoxFrame = 0;
    } m_pending;
};
