#include "UserControl.h"

#include <QBitmap>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QSet>
#include <QShortcutEvent>

#include "Colors.h"
#include "FontSetup.h"
#include "PropertyBag.h"
#include "VirtualKeys.h"

namespace {

// Dynamic properties a container keeps on its child widgets.
constexpr char kWhatsThisHelpIdProperty[] = "veltraneWhatsThisHelpID";
constexpr char kTabStopProperty[] = "veltraneTabStop";
constexpr char kConstituentProperty[] = "veltraneConstituent";

Q_LOGGING_CATEGORY(lcControls, "veltrane.controls", QtWarningMsg)

// Life-cycle steps that fail are skipped without a word to the user; the next step still runs.
// The logging category says which step of which control failed.
template <typename Step>
void RunStep(const UserControl* control, const char* name, Step step) {
    try {
        step();
    } catch (const std::exception& error) {
        qCDebug(lcControls) << control->objectName() << name << "failed:" << error.what();
    } catch (...) {
        qCDebug(lcControls) << control->objectName() << name << "failed";
    }
}

int ButtonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return UserControl::kLeftButton;
        case Qt::RightButton:
            return UserControl::kRightButton;
        case Qt::MiddleButton:
            return UserControl::kMiddleButton;
        default:
            return 0;
    }
}

int ButtonMask(Qt::MouseButtons buttons) {
    int mask = 0;
    if (buttons & Qt::LeftButton) mask |= UserControl::kLeftButton;
    if (buttons & Qt::RightButton) mask |= UserControl::kRightButton;
    if (buttons & Qt::MiddleButton) mask |= UserControl::kMiddleButton;
    return mask;
}

}  // namespace

int UserControl::ShiftStateOf(Qt::KeyboardModifiers modifiers) {
    int shift = 0;
    if (modifiers & Qt::ShiftModifier) shift |= kShiftMask;
    if (modifiers & Qt::ControlModifier) shift |= kCtrlMask;
    if (modifiers & Qt::AltModifier) shift |= kAltMask;
    return shift;
}

UserControl::UserControl(QWidget* parent)
    : QWidget(parent), m_surface(QWidget::size()), m_surfaceSize(QWidget::size()) {
    m_ambient = DefaultAmbient();
    // Mouse moves without a button held are events of the surface too.
    setMouseTracking(true);
    // The surface image covers the whole widget.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

UserControl::~UserControl() = default;

// ---- Life cycle ----------------------------------------------------------------------------

void UserControl::InitNew() {
    RunStep(this, "InitProperties", [this] { InitProperties(); });
    SyncSurfaceSize();
    RunStep(this, "OnResize", [this] { OnResize(); });
    Refresh();
}

void UserControl::Load(const PropertyBag& bag) {
    bag.RestartReading();
    RunStep(this, "ReadProperties", [this, &bag] { ReadProperties(bag); });
    RunStep(this, "ApplyProperties", [this] { ApplyProperties(); });
    SyncSurfaceSize();
    RunStep(this, "Redraw", [this] { Redraw(); });
    Refresh();
}

void UserControl::Save(PropertyBag& bag) {
    RunStep(this, "WriteProperties", [this, &bag] { WriteProperties(bag); });
}

// ---- Identity and ambient ------------------------------------------------------------------

QString UserControl::NewInstanceName(const QWidget* form, const QString& typeName) {
    if (typeName.isEmpty()) return {};
    QSet<int> used;
    const auto note = [&](const QWidget* widget) {
        const QString name = widget->objectName();
        if (name.size() <= typeName.size() || name.size() > typeName.size() + 9) return;
        if (!name.startsWith(typeName, Qt::CaseInsensitive)) return;
        const QStringView digits = QStringView(name).mid(typeName.size());
        if (digits[0] == u'0') return;  // "FxFrame01" is no number of the series
        for (QChar c : digits)
            if (c < u'0' || c > u'9') return;
        used.insert(digits.toInt());
    };
    if (form) {
        note(form);
        for (const QWidget* widget : form->findChildren<QWidget*>())
            note(widget);
    }
    int n = 1;
    while (used.contains(n))
        ++n;
    return typeName + QString::number(n);
}

UserControl::AmbientProperties UserControl::DefaultAmbient() {
    AmbientProperties ambient;
    ambient.Font = FontSetup::DefaultFont();
    return ambient;
}

void UserControl::SetAmbient(const AmbientProperties& ambient) {
    QStringList changed;
    if (ambient.UserMode != m_ambient.UserMode) changed << QStringLiteral("UserMode");
    if (ambient.Font != m_ambient.Font) changed << QStringLiteral("Font");
    if (ambient.BackColor != m_ambient.BackColor) changed << QStringLiteral("BackColor");
    if (ambient.ForeColor != m_ambient.ForeColor) changed << QStringLiteral("ForeColor");
    m_ambient = ambient;
    if (changed.isEmpty()) return;
    for (const QString& name : changed)
        RunStep(this, "OnAmbientChanged", [this, &name] { OnAmbientChanged(name); });
    Refresh();
}

// ---- Surface -------------------------------------------------------------------------------

Surface& UserControl::surface() {
    SyncSurfaceSize();
    return m_surface;
}

const Surface& UserControl::surface() const {
    SyncSurfaceSize();
    return m_surface;
}

void UserControl::SyncSurfaceSize() const {
    if (m_surfaceSize == size()) return;
    m_surfaceSize = size();
    m_surface.Resize(m_surfaceSize);
}

void UserControl::SetBackStyle(BackStyle style) {
    m_backStyle = style;
    Refresh();
}

void UserControl::SetMaskColor(quint32 color) {
    m_maskColor = color;
    Refresh();
}

void UserControl::SetMaskPicture(const QImage& picture) {
    m_maskPicture = picture;
    Refresh();
}

void UserControl::Refresh() {
    UpdateMask();
    update();
}

void UserControl::SetWindowRegion(const std::optional<Gdi::Region>& region) {
    if (region == m_windowRegion) return;
    m_windowRegion = region;
    Refresh();
}

void UserControl::UpdateMask() {
    if (m_backStyle != BackStyle::Transparent) {
        if (m_windowRegion) {
            // An empty shape would show the whole widget; a region outside it shows nothing.
            const QRegion shape = m_windowRegion->toQRegion();
            setMask(shape.isEmpty() ? QRegion(-1, -1, 1, 1) : shape);
        } else if (!mask().isEmpty()) {
            clearMask();
        }
        return;
    }
    const QImage& source = m_maskPicture.isNull() ? surface().image() : m_maskPicture;
    const QRgb key = Colors::ToRgb(m_maskColor);
    const QImage bits =
        source.convertToFormat(QImage::Format_RGB32).createMaskFromColor(key, Qt::MaskInColor);
    QRegion region(QBitmap::fromImage(bits));
    if (m_windowRegion) region &= m_windowRegion->toQRegion();
    // An empty mask would show the whole widget; a region outside it shows nothing.
    if (region.isEmpty()) region = QRegion(-1, -1, 1, 1);
    setMask(region);
}

void UserControl::SetAccessKeys(const QString& keys) {
    for (int id : std::as_const(m_shortcutIds))
        releaseShortcut(id);
    m_shortcutIds.clear();
    m_accessKeys = keys;
    for (QChar c : keys) {
        const char16_t key = c.toUpper().unicode();
        if (key <= u' ') continue;
        m_shortcutIds.append(
            grabShortcut(QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(key)))));
    }
}

// ---- Size and children ---------------------------------------------------------------------

void UserControl::SetSizeTwips(int widthTwips, int heightTwips) {
    const QSize old = size();
    resize(qMax(0, Units::TwipsToPixels(widthTwips)), qMax(0, Units::TwipsToPixels(heightTwips)));
    if (testAttribute(Qt::WA_PendingResizeEvent)) {
        // Hidden: deliver now what Qt would hold back until the widget is shown.
        setAttribute(Qt::WA_PendingResizeEvent, false);
        QResizeEvent event(size(), old);
        QCoreApplication::sendEvent(this, &event);
    }
}

QList<QWidget*> UserControl::ContainedControls() const {
    QList<QWidget*> controls;
    for (QObject* child : children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow() || widget->property(kConstituentProperty).toBool())
            continue;
        controls.append(widget);
    }
    return controls;
}

void UserControl::SetConstituent(QWidget* widget, bool constituent) {
    if (widget) widget->setProperty(kConstituentProperty, constituent);
}

int UserControl::TopOf(const QWidget* control) {
    return control ? Units::PixelsToTwips(control->y()) : 0;
}

void UserControl::SetTopOf(QWidget* control, int twips) {
    if (control) control->move(control->x(), Units::TwipsToPixels(twips));
}

int UserControl::WhatsThisHelpIDOf(const QWidget* control) {
    return control ? control->property(kWhatsThisHelpIdProperty).toInt() : 0;
}

void UserControl::SetWhatsThisHelpIDOf(QWidget* control, int id) {
    if (control) control->setProperty(kWhatsThisHelpIdProperty, id);
}

std::optional<bool> UserControl::TabStopOf(const QWidget* control) {
    if (!control) return std::nullopt;
    // Once set, the flag is remembered: a widget that only took the focus by Tab has no focus
    // policy left when its tab stop is off, but it still has a tab stop.
    const QVariant stored = control->property(kTabStopProperty);
    if (stored.isValid()) return stored.toBool();
    if (control->focusPolicy() == Qt::NoFocus) return std::nullopt;
    return (control->focusPolicy() & Qt::TabFocus) != 0;
}

bool UserControl::SetTabStopOf(QWidget* control, bool on) {
    if (!TabStopOf(control).has_value()) return false;
    control->setProperty(kTabStopProperty, on);
    const int policy = control->focusPolicy();
    control->setFocusPolicy(Qt::FocusPolicy(on ? policy | Qt::TabFocus : policy & ~Qt::TabFocus));
    return true;
}

// ---- Qt events -----------------------------------------------------------------------------

bool UserControl::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        const QKeySequence& sequence = static_cast<QShortcutEvent*>(event)->key();
        if (sequence.count() == 1 && sequence[0].keyboardModifiers() == Qt::AltModifier) {
            const int key = sequence[0].key();
            for (QChar c : std::as_const(m_accessKeys)) {
                if (c.toUpper().unicode() != key) continue;
                OnAccessKeyPress(key);
                return true;
            }
        }
    }
    return QWidget::event(event);
}

void UserControl::paintEvent(QPaintEvent* event) {
    if (!m_autoRedraw) OnPaint();
    {
        QPainter painter(this);
        const QRect area = event->rect();
        painter.drawImage(area.topLeft(), surface().image(), area);
    }
    if (m_autoRedraw) OnPaint();
}

void UserControl::resizeEvent(QResizeEvent* /*event*/) {
    SyncSurfaceSize();
    RunStep(this, "OnResize", [this] { OnResize(); });
    Refresh();
}

void UserControl::showEvent(QShowEvent* /*event*/) {
    OnShow();
}

void UserControl::hideEvent(QHideEvent* /*event*/) {
    OnHide();
}

void UserControl::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    OnGotFocus();
}

void UserControl::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    OnLostFocus();
}

void UserControl::mousePressEvent(QMouseEvent* event) {
    const int button = ButtonCode(event->button());
    if (button == kLeftButton) m_clickPending = true;
    const QPointF p = event->position();
    OnMouseDown(button, ShiftStateOf(event->modifiers()), float(p.x()), float(p.y()));
}

void UserControl::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    OnMouseMove(ButtonMask(event->buttons()), ShiftStateOf(event->modifiers()), float(p.x()),
                float(p.y()));
}

void UserControl::mouseReleaseEvent(QMouseEvent* event) {
    const int button = ButtonCode(event->button());
    const QPointF p = event->position();
    OnMouseUp(button, ShiftStateOf(event->modifiers()), float(p.x()), float(p.y()));
    if (button != kLeftButton || !m_clickPending) return;
    m_clickPending = false;
    if (p.x() >= 0 && p.y() >= 0 && p.x() < width() && p.y() < height()) OnClick();
}

void UserControl::mouseDoubleClickEvent(QMouseEvent* event) {
    const int button = ButtonCode(event->button());
    if (button == kLeftButton) m_clickPending = false;
    const QPointF p = event->position();
    OnDblClick(button, ShiftStateOf(event->modifiers()), float(p.x()), float(p.y()));
}

void UserControl::keyPressEvent(QKeyEvent* event) {
    const int shift = ShiftStateOf(event->modifiers());
    OnKeyDown(VirtualKeyCode(event->key()), shift);
    if (!event->text().isEmpty()) OnKeyPress(event->text().at(0).unicode());
    event->accept();
}

void UserControl::keyReleaseEvent(QKeyEvent* event) {
    // Auto-repeat repeats the key-down only.
    if (!event->isAutoRepeat())
        OnKeyUp(VirtualKeyCode(event->key()), ShiftStateOf(event->modifiers()));
    event->accept();
}
