#pragma once

#include <QPointF>
#include <QString>

class QWidget;

// Plays one input at a control, as the render command's --do actions describe it:
// "move X Y", "press X Y", "release X Y", "dblclick X Y" (left button, control pixels; dblclick
// is the second press of a double click as the window system reports it), "wheel DELTA" (a
// wheel turn of DELTA eighths of a degree at the last mouse point, 120 a notch, negative
// towards the user), "leave", "key NAME" (a Qt key name such as "Return" or "Alt+G"),
// "wait MS" (the manual clock moves on, firing the control's timers), "enable 0|1", "additem
// TEXT" (the rest of the action is the item's text).
class InputDriver {
public:
    // How many words follow the verb (a leading word of the action); -1 for an unknown verb.
    static int OperandCount(const QString& actionOrVerb);
    static bool IsValid(const QString& action);

    explicit InputDriver(QWidget* target) : m_target(target) {}
    // Runs one valid action; the enable action calls enable(on), the additem action
    // addItem(text).
    template <typename Enable, typename AddItem>
    void Run(const QString& action, Enable&& enable, AddItem&& addItem) {
        if (RunInput(action)) return;
        if (action.startsWith(QLatin1String("additem ")))
            addItem(action.section(u' ', 1));
        else
            enable(action.section(u' ', 1, 1) == QLatin1String("1"));
    }

private:
    // False for the enable and additem actions, which the caller handles.
    bool RunInput(const QString& action);
    void SendMouse(int type, int x, int y);
    void SendWheel(int delta);
    void SendKey(const QString& name);

    QWidget* m_target;
    bool m_buttonDown = false;
    QPointF m_lastMouse;
};
