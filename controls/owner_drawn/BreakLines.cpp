#include "BreakLines.h"

QStringList BreakLines(const QString& text, int width,
                       const std::function<int(const QString&)>& measure) {
    QStringList lines;
    QString line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            lines.append(line);
            line.clear();
            ++i;
            continue;
        }
        line.append(c);
        const int w = measure(line);
        if (w > width && line.size() > 1) {
            line.chop(1);
            lines.append(line);
            line = QString(c);
        } else if (w >= width) {
            lines.append(line);
            line.clear();
        }
    }
    if (!line.isEmpty()) lines.append(line);
    return lines;
}
