#include "EventPrinter.h"

#include <QMetaMethod>
#include <QVariant>
#include <cstdio>

EventPrinter::EventPrinter(QObject* control, const QMetaObject* stopAt) : m_control(control) {
    for (const QMetaObject* mo = control->metaObject(); mo && mo != stopAt; mo = mo->superClass()) {
        for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
            if (mo->method(i).methodType() != QMetaMethod::Signal) continue;
            const int slot = metaObject()->methodCount() + int(m_signals.size());
            m_signals.append(i);
            QMetaObject::connect(control, i, this, slot, Qt::DirectConnection);
        }
    }
}

// Each connected signal arrives here as one of our dynamic slots.
int EventPrinter::qt_metacall(QMetaObject::Call call, int id, void** args) {
    id = QObject::qt_metacall(call, id, args);
    if (id < 0 || call != QMetaObject::InvokeMetaMethod) return id;
    if (id < m_signals.size()) Print(m_signals[id], args);
    return -1;
}

void EventPrinter::Print(int signalIndex, void** args) const {
    const QMetaMethod method = m_control->metaObject()->method(signalIndex);
    QString line = QString::fromLatin1(method.name());
    for (int i = 0; i < method.parameterCount(); ++i) {
        const QVariant value(method.parameterMetaType(i), args[i + 1]);
        line += u' ' + value.toString();
    }
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}
