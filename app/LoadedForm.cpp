#include "LoadedForm.h"

#include <QIcon>
#include <QImage>
#include <QLoggingCategory>
#include <QPalette>

#include "Colors.h"
#include "ControlTypes.h"
#include "FontSetup.h"
#include "PropertyBag.h"
#include "Units.h"

namespace {

// What could not be built, for whoever edits stored data; off by default.
Q_LOGGING_CATEGORY(lcForm, "veltrane.form", QtWarningMsg)

// Largest side a stored control or window may take, in twips: beyond any screen, and small
// enough that a damaged size cannot ask for gigabytes of drawing surface.
constexpr int kMaxSideTwips = 32767;

int SideTwips(int twips) {
    return qBound(0, twips, kMaxSideTwips);
}

void Place(QWidget* control, const QRect& twips) {
    control->move(Units::TwipsToPixels(twips.x()), Units::TwipsToPixels(twips.y()));
    const int width = SideTwips(twips.width());
    const int height = SideTwips(twips.height());
    if (auto* custom = qobject_cast<UserControl*>(control))
        custom->SetSizeTwips(width, height);
    else
        control->resize(Units::TwipsToPixels(width), Units::TwipsToPixels(height));
}

}  // namespace

LoadedForm::LoadedForm(const StoredForm& data, QWidget* window) : m_window(window) {
    for (const QString& problem : data.problems)
        NoteProblem(problem);
    m_ambient = UserControl::DefaultAmbient();
    if (!data.name.isEmpty()) m_window->setObjectName(data.name);
    ApplyFormProperties(data.properties);
    for (const StoredControl& stored : data.controls)
        Build(stored);
}

void LoadedForm::NoteProblem(const QString& problem) {
    m_problems.append(problem);
    qCDebug(lcForm, "%s", qPrintable(problem));
}

void LoadedForm::NoteStandIn(const QString& name, QWidget* standIn) {
    NoteProblem(QStringLiteral("missing control %1").arg(name));
    m_controls.insert(name.toCaseFolded(), standIn);
}

QWidget* LoadedForm::Find(const QString& name) const {
    return m_controls.value(name.toCaseFolded());
}

void LoadedForm::ApplyFormProperties(const PropertyBag& bag) {
    m_window->setWindowTitle(bag.Read<QString>(QStringLiteral("Caption"), QString()));
    const int width = SideTwips(bag.Read<int>(QStringLiteral("ClientWidth"), 0));
    const int height = SideTwips(bag.Read<int>(QStringLiteral("ClientHeight"), 0));
    if (width > 0 && height > 0)
        m_window->setFixedSize(Units::TwipsToPixels(width), Units::TwipsToPixels(height));
    m_ambient.Font = bag.Read<QFont>(QStringLiteral("Font"), FontSetup::DefaultFont());
    m_window->setFont(m_ambient.Font);
    m_ambient.BackColor = bag.Read<quint32>(QStringLiteral("BackColor"), m_ambient.BackColor);
    QPalette palette = m_window->palette();
    palette.setColor(QPalette::Window, Colors::ToQColor(m_ambient.BackColor));
    m_window->setPalette(palette);
    m_window->setAutoFillBackground(true);
    // One "Icon" entry for each size the window's icon comes in.
    QIcon icon;
    for (int n = 0; n < bag.Count(); ++n) {
        const QImage size = bag.Read<QImage>(QStringLiteral("Icon"), QImage());
        if (size.isNull()) break;
        icon.addPixmap(QPixmap::fromImage(size));
    }
    if (!icon.isNull()) m_window->setWindowIcon(icon);
}

void LoadedForm::Build(const StoredControl& stored) {
    const ControlType* type = FindControlType(stored.type);
    QWidget* container = stored.container.compare(m_window->objectName(), Qt::CaseInsensitive) == 0
                             ? m_window
                             : Find(stored.container);
    QString problem;
    if (!type)
        problem = QStringLiteral("unknown type %1").arg(stored.type);
    else if (stored.name.isEmpty() || Find(stored.name) ||
             stored.name.compare(m_window->objectName(), Qt::CaseInsensitive) == 0)
        problem = QStringLiteral("name %1 used before").arg(stored.name);
    else if (!container)
        problem = QStringLiteral("no container %1").arg(stored.container);
    if (!problem.isEmpty()) {
        NoteProblem(QStringLiteral("%1: %2").arg(stored.name, problem));
        return;
    }
    QWidget* control = type->create(container);
    control->setObjectName(stored.name);
    m_controls.insert(stored.name.toCaseFolded(), control);
    Place(control, stored.place);
    UserControl::SetWhatsThisHelpIDOf(control, stored.code);
    if (stored.tabStop) UserControl::SetTabStopOf(control, *stored.tabStop);
    type->load(control, stored.properties, m_ambient);
    control->setVisible(stored.properties.Read<bool>(QStringLiteral("Visible"), true));
}
