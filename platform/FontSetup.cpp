#include "FontSetup.h"

#include <QApplication>
#include <QStringList>

#include "Units.h"

namespace FontSetup {
namespace {

// The Windows names of the Song-style faces, which the stand-in family replaces.
const QStringList& SongFaces() {
    static const QStringList faces = {QStringLiteral("新宋体"), QStringLiteral("宋体"),
                                      QStringLiteral("NSimSun"), QStringLiteral("SimSun")};
    return faces;
}

}  // namespace

bool IsSongFace(const QString& family) {
    return SongFaces().contains(family, Qt::CaseInsensitive) ||
           family.compare(kSongStandIn, Qt::CaseInsensitive) == 0;
}

void Install() {
    const QString song = kSongStandIn;
    const QString hei = kHeiStandIn;
    for (const QString& face : SongFaces())
        QFont::insertSubstitutions(face, {song, hei});
    QFont::insertSubstitutions(QStringLiteral("微软雅黑"), {hei, song});
    QFont::insertSubstitutions(QStringLiteral("Microsoft YaHei"), {hei, song});
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), {QStringLiteral("DejaVu Sans"), hei});
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::setFont(DefaultFont());
}

QFont MakeFont(const QString& family, double points, bool bold) {
    QFont font(family);
    font.setPixelSize(Units::PointsToPixels(points));
    font.setBold(bold);
    if (IsSongFace(family)) font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QFont DefaultFont() {
    return MakeFont(QStringLiteral("宋体"), 9);
}

}  // namespace FontSetup
