#include "MessageBox.h"

#include <QMessageBox>

namespace {

MessageBox::Handler& InstalledHandler() {
    static MessageBox::Handler handler;
    return handler;
}

QMessageBox::Icon ToQtIcon(MessageBox::Icon icon) {
    switch (icon) {
        case MessageBox::Icon::Information:
            return QMessageBox::Information;
        case MessageBox::Icon::Warning:
            return QMessageBox::Warning;
        case MessageBox::Icon::Critical:
            return QMessageBox::Critical;
        case MessageBox::Icon::Question:
            return QMessageBox::Question;
        case MessageBox::Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QString MessageBox::AppTitle() {
    return QStringLiteral("Veltrane");
}

void MessageBox::Show(const QString& text, Icon icon, const QString& caption) {
    const Record record{text, caption.isEmpty() ? AppTitle() : caption, icon};
    if (InstalledHandler()) {
        InstalledHandler()(record);
        return;
    }
    QMessageBox box(ToQtIcon(icon), record.caption, record.text, QMessageBox::Ok);
    box.exec();
}

MessageBox::Handler MessageBox::SetHandler(Handler handler) {
    Handler previous = std::move(InstalledHandler());
    InstalledHandler() = std::move(handler);
    return previous;
}
