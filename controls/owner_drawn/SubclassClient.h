#pragma once

#include <QtGlobal>

class QWidget;

// A control that sees chosen messages of its own window through a WindowHook. before is true in
// the phase ahead of the window's own handling and false after it; setting handled in the before
// phase stops the message there, with result as what the window returns. The window, message
// and parameters may be changed before the window's own handling sees them.
class SubclassClient {
public:
    virtual ~SubclassClient() = default;
    virtual void zSubclass_Proc(bool before, bool& handled, qint32& result, QWidget*& window,
                                quint32& message, qint32& wParam, qint32& lParam) = 0;
};
