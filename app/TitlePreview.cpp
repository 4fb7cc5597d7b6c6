#include "TitlePreview.h"

#include "Label.h"
#include "MessageBox.h"

void PreviewTitle(const QString& title, Label& label) {
    label.SetAlignment(Label::Align::Center);
    label.SetCaption(QString());
    if (title.isEmpty()) return;
    const bool hasSeparator = title.contains(QLatin1Char('\\'));
    QString caption;
    for (const QString& part : title.split(QLatin1Char('\\'))) {
        if (!hasSeparator)
            MessageBox::Show(QStringLiteral("没有符号\\"));
        else
            caption += part + QStringLiteral("\r\n");
    }
    label.SetCaption(caption);
}
