#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "StoredForm.h"
#include "UserControl.h"

// A window built from its stored data: every control created in its container, named, placed
// (twips), given its tab code and tab stop, and loaded through its own stored-property path.
// Blocks that cannot be built (unknown type, a name used before, a container that is not
// there) are skipped and told in Problems().
class LoadedForm {
public:
    // Builds onto window, which takes the form's own properties: "Caption", "ClientWidth" and
    // "ClientHeight" (twips), "Font" (also the controls' ambient font), "BackColor", and "Icon"
    // once for each size of the window's icon.
    LoadedForm(const StoredForm& data, QWidget* window);

    // The control of that name (matched without regard to case), or null.
    QWidget* Find(const QString& name) const;

    // The control of that name and type. Damaged data may lack it: a hidden stand-in of the type
    // is then created on the window, so that what uses the control keeps working.
    template <typename T>
    T* Require(const QString& name) {
        if (auto* control = qobject_cast<T*>(Find(name))) return control;
        auto* standIn = new T(m_window);
        standIn->setObjectName(name);
        standIn->hide();
        NoteStandIn(name, standIn);
        return standIn;
    }

    const UserControl::AmbientProperties& Ambient() const { return m_ambient; }
    const QStringList& Problems() const { return m_problems; }

private:
    void ApplyFormProperties(const PropertyBag& bag);
    void Build(const StoredControl& stored);
    void NoteProblem(const QString& problem);
    void NoteStandIn(const QString& name, QWidget* standIn);

    QWidget* m_window;
    UserControl::AmbientProperties m_ambient;
    QHash<QString, QWidget*> m_controls;
    QStringList m_problems;
};
