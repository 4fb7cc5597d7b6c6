#include "NoticePreview.h"

#include "PictureBox.h"

void ShowNotice(PictureBox& picture, const QString& notice) {
    constexpr double kLineLeft = 14;
    picture.Cls();
    if (notice.isEmpty()) return;
    for (const QString& line : notice.split(QStringLiteral("\r\n"))) {
        picture.SetCurrentX(kLineLeft);
        picture.Print(line, false);
    }
}
