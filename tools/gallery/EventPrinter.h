#pragma once

#include <QObject>
#include <QStringList>

// Prints every event a control raises, one a line: the signal's name and its arguments
// ("TabSwitch 2", "Click"). Listens to the signals declared by the control's own classes,
// whatever the control is, so no control needs code of its own for it.
class EventPrinter : public QObject {
public:
    // stopAt: the first base class whose signals are not events of the control.
    EventPrinter(QObject* control, const QMetaObject* stopAt);

    int qt_metacall(QMetaObject::Call call, int id, void** args) override;

private:
    void Print(int signalIndex, void** args) const;

    QObject* m_control;
    QList<int> m_signals;  // signal indexes, by slot number
};
