#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QString>
#include <QWidget>
#include <optional>

#include "BackStyle.h"
#include "Colors.h"
#include "Surface.h"
#include "Units.h"

class PropertyBag;

// Base class of the custom controls: the host services a control stands on.
//
// - A drawing surface that always has the widget's size; the widget shows its image.
// - The property-bag life cycle, run by the host: InitNew() for a newly placed instance,
//   Load() (read every key, apply them, redraw) and Save().
// - Change notices (PropertyChanged), the ambient properties of the container, the instance
//   name, access keys, a see-through mask colour, and the container's view of its children
//   (Top in twips, WhatsThisHelpID, TabStop).
// - The widget's input and state changes as virtual hooks with the values the controls use:
//   buttons 1 left, 2 right, 4 middle; shift state 1 Shift, 2 Ctrl, 4 Alt; positions in
//   surface pixels; key codes as virtual-key codes.
class UserControl : public QWidget {
    Q_OBJECT
public:
    // What the container tells its controls.
    struct AmbientProperties {
        bool UserMode = true;  // live program; false in a designer
        QFont Font;            // the window's default font unless the host sets another
        quint32 BackColor = Colors::kButtonFace;
        quint32 ForeColor = Colors::kWindowText;
    };

    static constexpr int kLeftButton = 1;
    static constexpr int kRightButton = 2;
    static constexpr int kMiddleButton = 4;
    static constexpr int kShiftMask = 1;
    static constexpr int kCtrlMask = 2;
    static constexpr int kAltMask = 4;

    explicit UserControl(QWidget* parent = nullptr);

    // The shift state (kShiftMask, kCtrlMask, kAltMask) of the keyboard modifiers.
    static int ShiftStateOf(Qt::KeyboardModifiers modifiers);
    ~UserControl() override;

    // ---- Life cycle, run by the host ----

    // A newly placed instance: InitProperties, then the resize handling (OnResize) and a
    // refresh. Set the name first; controls use it as their default caption.
    void InitNew();
    // Reads the stored properties (ReadProperties, with the bag's read order restarted), then
    // ApplyProperties, then Redraw and a refresh. A step that throws is skipped: the user sees
    // nothing of it, and the "veltrane.controls" logging category (off by default) tells.
    void Load(const PropertyBag& bag);
    // WriteProperties into bag.
    void Save(PropertyBag& bag);

    // ---- Identity and ambient properties ----

    // The name the host gave this instance ("FxFrame1"); the widget's objectName.
    QString Name() const { return objectName(); }
    void SetName(const QString& name) { setObjectName(name); }
    // The name a new control of the given type gets on a form: the type name followed by the
    // lowest number from 1 that no widget of the form (or the form itself) uses yet.
    static QString NewInstanceName(const QWidget* form, const QString& typeName);

    const AmbientProperties& Ambient() const { return m_ambient; }
    bool UserMode() const { return m_ambient.UserMode; }
    // Replaces the ambient properties; OnAmbientChanged runs once for each member that
    // changed ("UserMode", "Font", "BackColor", "ForeColor"), then the surface is refreshed.
    void SetAmbient(const AmbientProperties& ambient);
    static AmbientProperties DefaultAmbient();

    // ---- Surface ----

    // The control's drawing surface, sized like the widget (a resize clears it).
    Surface& surface();
    const Surface& surface() const;

    // True: the surface image is shown and OnPaint follows. False: OnPaint runs first, so the
    // control can redraw before the image is shown.
    bool AutoRedraw() const { return m_autoRedraw; }
    void SetAutoRedraw(bool on) { m_autoRedraw = on; }

    // Transparent: the pixels of the mask colour are see-through, taken from the mask picture
    // when one is set, else from the surface image. Opaque: the whole rectangle shows.
    BackStyle GetBackStyle() const { return m_backStyle; }
    void SetBackStyle(BackStyle style);
    quint32 MaskColor() const { return m_maskColor; }
    void SetMaskColor(quint32 color);
    const QImage& MaskPicture() const { return m_maskPicture; }
    void SetMaskPicture(const QImage& picture);

    // The window's shape: only the region's pixels show (contained controls are cut to it
    // too). nullopt is the whole rectangle.
    const std::optional<Gdi::Region>& WindowRegion() const { return m_windowRegion; }
    void SetWindowRegion(const std::optional<Gdi::Region>& region);

    // Shows the surface's current image (and renews the see-through mask).
    void Refresh();

    // Characters whose Alt+key presses reach OnAccessKeyPress, e.g. the "&" letter of a caption.
    QString AccessKeys() const { return m_accessKeys; }
    void SetAccessKeys(const QString& keys);

    // ---- Size and children, as the container sees them ----

    int WidthTwips() const { return Units::PixelsToTwips(width()); }
    int HeightTwips() const { return Units::PixelsToTwips(height()); }
    // Resizes the control and runs the resize handling at once, also while it is hidden (a
    // plain resize() of a hidden widget defers it until the widget is shown).
    void SetSizeTwips(int widthTwips, int heightTwips);

    // The controls placed in this container, in child order: its child widgets except its
    // own constituent parts and windows of their own.
    QList<QWidget*> ContainedControls() const;
    // Marks a widget as part of this control rather than a control it contains.
    static void SetConstituent(QWidget* widget, bool constituent = true);

    // A control's vertical position in its container, in twips.
    static int TopOf(const QWidget* control);
    static void SetTopOf(QWidget* control, int twips);
    // A number the container may keep with each child (0 until set).
    static int WhatsThisHelpIDOf(const QWidget* control);
    static void SetWhatsThisHelpIDOf(QWidget* control, int id);
    // Whether the child takes part in the Tab order; nullopt for widgets that never take the
    // focus (labels, frames), which have no tab stop.
    static std::optional<bool> TabStopOf(const QWidget* control);
    // Moves the child in or out of the Tab order (it stays focusable by click); false, and
    // nothing changes, for a widget without a tab stop.
    static bool SetTabStopOf(QWidget* control, bool on);

signals:
    // A property changed, by its name, so that the container knows to save it.
    void propertyChanged(const QString& name);

protected:
    // Reports a changed property to the host.
    void PropertyChanged(const QString& name) { emit propertyChanged(name); }

    // ---- Life-cycle hooks ----
    virtual void InitProperties() {}
    virtual void ReadProperties(const PropertyBag& /*bag*/) {}
    virtual void ApplyProperties() {}
    virtual void WriteProperties(PropertyBag& /*bag*/) {}
    // Draws the whole control on its surface.
    virtual void Redraw() {}

    // ---- Event hooks ----
    // The surface has been resized (and cleared); by default redraws.
    virtual void OnResize() { Redraw(); }
    // A paint request; see AutoRedraw. Must not call Refresh.
    virtual void OnPaint() {}
    virtual void OnShow() {}
    virtual void OnHide() {}
    virtual void OnGotFocus() {}
    virtual void OnLostFocus() {}
    virtual void OnMouseDown(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {}
    virtual void OnMouseMove(int /*buttons*/, int /*shift*/, float /*x*/, float /*y*/) {}
    virtual void OnMouseUp(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {}
    // Left button pressed and released over the control.
    virtual void OnClick() {}
    // The second press of a double click (it comes instead of OnMouseDown; no OnClick follows
    // its release).
    virtual void OnDblClick(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {}
    virtual void OnKeyDown(int /*keyCode*/, int /*shift*/) {}
    virtual void OnKeyUp(int /*keyCode*/, int /*shift*/) {}
    // A typed character, as its UTF-16 code.
    virtual void OnKeyPress(int /*keyAscii*/) {}
    // Alt plus one of the AccessKeys; keyAscii is the upper-case character.
    virtual void OnAccessKeyPress(int /*keyAscii*/) {}
    // An ambient property changed; by default redraws.
    virtual void OnAmbientChanged(const QString& /*name*/) { Redraw(); }

    // ---- Qt events ----
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void SyncSurfaceSize() const;
    void UpdateMask();

    // Mutable so that reading the surface of a control resized while hidden already gives
    // the new size.
    mutable Surface m_surface;
    mutable QSize m_surfaceSize;  // widget size the surface was last sized for
    AmbientProperties m_ambient;
    bool m_autoRedraw = true;
    BackStyle m_backStyle = BackStyle::Opaque;
    quint32 m_maskColor = Colors::kButtonFace;
    QImage m_maskPicture;
    std::optional<Gdi::Region> m_windowRegion;
    QString m_accessKeys;
    QList<int> m_shortcutIds;
    bool m_clickPending = false;  // left button went down here; its release may click
};
