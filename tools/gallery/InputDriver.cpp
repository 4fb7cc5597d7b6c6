#include "InputDriver.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QStringList>
#include <QWheelEvent>
#include <QWidget>

#include "Clock.h"

namespace {

bool IsNumber(const QString& text) {
    bool ok = false;
    text.toInt(&ok);
    return ok;
}

// The character a key types, as a keyboard would send it along.
QString KeyText(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & ~Qt::ShiftModifier) return {};
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return QStringLiteral("\r");
        case Qt::Key_Tab:
            return QStringLiteral("\t");
        case Qt::Key_Backspace:
            return QStringLiteral("\b");
        case Qt::Key_Escape:
            return QStringLiteral("\x1b");
        default:
            break;
    }
    if (key < 0x20 || key >= 0x7F) return {};
    const QString text = QString(QChar(key));
    return modifiers & Qt::ShiftModifier ? text : text.toLower();
}

}  // namespace

int InputDriver::OperandCount(const QString& actionOrVerb) {
    const QString verb = actionOrVerb.section(u' ', 0, 0);
    if (verb == QLatin1String("move") || verb == QLatin1String("press") ||
        verb == QLatin1String("release") || verb == QLatin1String("dblclick"))
        return 2;
    if (verb == QLatin1String("key") || verb == QLatin1String("wait") ||
        verb == QLatin1String("enable") || verb == QLatin1String("wheel") ||
        verb == QLatin1String("additem"))
        return 1;
    if (verb == QLatin1String("leave")) return 0;
    return -1;
}

bool InputDriver::IsValid(const QString& action) {
    const QStringList words = action.split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty()) return false;
    const QString& verb = words[0];
    // An item's text may hold blanks.
    if (verb == QLatin1String("additem")) return words.size() >= 2;
    if (OperandCount(verb) != words.size() - 1) return false;
    if (verb == QLatin1String("key")) return !QKeySequence::fromString(words[1]).isEmpty();
    if (verb == QLatin1String("enable"))
        return words[1] == QLatin1String("0") || words[1] == QLatin1String("1");
    for (int i = 1; i < words.size(); ++i)
        if (!IsNumber(words[i])) return false;
    return verb != QLatin1String("wait") || words[1].toInt() >= 0;
}

bool InputDriver::RunInput(const QString& action) {
    const QStringList words = action.split(u' ', Qt::SkipEmptyParts);
    const QString& verb = words[0];
    if (verb == QLatin1String("enable") || verb == QLatin1String("additem")) return false;
    if (verb == QLatin1String("move"))
        SendMouse(QEvent::MouseMove, words[1].toInt(), words[2].toInt());
    else if (verb == QLatin1String("press"))
        SendMouse(QEvent::MouseButtonPress, words[1].toInt(), words[2].toInt());
    else if (verb == QLatin1String("release"))
        SendMouse(QEvent::MouseButtonRelease, words[1].toInt(), words[2].toInt());
    else if (verb == QLatin1String("dblclick"))
        SendMouse(QEvent::MouseButtonDblClick, words[1].toInt(), words[2].toInt());
    else if (verb == QLatin1String("wheel"))
        SendWheel(words[1].toInt());
    else if (verb == QLatin1String("leave")) {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(m_target, &leave);
    } else if (verb == QLatin1String("key"))
        SendKey(words[1]);
    else if (verb == QLatin1String("wait"))
        Clock::Advance(words[1].toInt());
    QCoreApplication::processEvents();
    return true;
}

void InputDriver::SendMouse(int type, int x, int y) {
    const QPointF pos(x, y);
    m_lastMouse = pos;
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
        m_buttonDown = true;
    if (type == QEvent::MouseButtonRelease) m_buttonDown = false;
    const Qt::MouseButtons held = m_buttonDown ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(QEvent::Type(type), pos, m_target->mapToGlobal(pos), button, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(m_target, &event);
}

void InputDriver::SendWheel(int delta) {
    const QPointF pos = m_lastMouse;
    QWheelEvent event(pos, m_target->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(m_target, &event);
}

void InputDriver::SendKey(const QString& name) {
    const QKeyCombination combination = QKeySequence::fromString(name)[0];
    const int key = int(combination.key());
    const QString text = KeyText(key, combination.keyboardModifiers());
    // Alt+letter is an access key: it reaches the control as a shortcut.
    if (combination.keyboardModifiers() & Qt::AltModifier) {
        QShortcutEvent shortcut(QKeySequence(combination), 0);
        QCoreApplication::sendEvent(m_target, &shortcut);
        return;
    }
    QKeyEvent press(QEvent::KeyPress, key, combination.keyboardModifiers(), text);
    QCoreApplication::sendEvent(m_target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, combination.keyboardModifiers(), text);
    QCoreApplication::sendEvent(m_target, &release);
}
