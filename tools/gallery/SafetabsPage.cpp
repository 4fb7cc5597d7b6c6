// The tab strip in all eight skins, each with a page per tab that a click brings up.

#include <QLabel>

#include "GalleryPages.h"
#include "PagePlacement.h"
#include "safetabs.h"

namespace {

constexpr int kStripWidth = 300;
constexpr int kStripHeight = 90;
constexpr int kColumns = 2;

void AddPages(safetabs* strip) {
    for (int tab = 0; tab < strip->TabCount(); ++tab) {
        auto* label = new QLabel(
            QStringLiteral("第 %1 页：%2").arg(tab + 1).arg(strip->Captions().at(tab)), strip);
        label->adjustSize();
        label->move(12, 45);
        // Tab 0 is active: the pages of the other tabs are stored parked, as in window data.
        if (tab != 0) {
            UserControl::SetTopOf(label, UserControl::TopOf(label) + 63000);
            UserControl::SetWhatsThisHelpIDOf(label, 1000 + tab);
        }
    }
}

}  // namespace

QWidget* BuildSafetabsPage() {
    QWidget* page = NewPage(QSize(660, 520));
    for (int skin = 0; skin < 8; ++skin) {
        const QRect rect(20 + (skin % kColumns) * (kStripWidth + 20),
                         20 + (skin / kColumns) * (kStripHeight + 35), kStripWidth, kStripHeight);
        const QString stored = QStringLiteral(
                                   "skinindex = int %1\n"
                                   "caption0 = str \"NPC对话框\"\ncaption1 = str \"人物封号\"\n"
                                   "caption2 = str \"Notice公告\"\n")
                                   .arg(skin);
        auto* strip =
            PlaceControl<safetabs>(page, QStringLiteral("safetabs%1").arg(skin + 1), rect, stored);
        AddPages(strip);
        PlaceNote(page, QStringLiteral("skinIndex %1").arg(skin), rect.bottomLeft() + QPoint(0, 4));
    }
    return page;
}
