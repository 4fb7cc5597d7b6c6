// veltrane-snapshot: draws the main window offscreen with its samples and writes it to a PNG,
// for the pictures of the documentation.
//
//   veltrane-snapshot OUT.png [OUTER_TAB [INNER_TAB]]

#include <QApplication>
#include <QTest>
#include <cstdio>

#include "ColorListMod.h"
#include "FontSetup.h"
#include "form1.h"
#include "safetabs.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments().mid(1);
    if (args.isEmpty() || args.size() > 3) {
        std::fprintf(stderr, "usage: veltrane-snapshot OUT.png [OUTER_TAB [INNER_TAB]]\n");
        return 2;
    }
    FontSetup::Install();
    ColorListMod::FillColorPalette();
    form1 window;
    window.show();
    if (args.size() > 1) window.safetabs1->SetActiveTab(args[1].toInt());
    if (args.size() > 2) window.safetabs2->SetActiveTab(args[2].toInt());
    // Long samples arrive in slices; let them and the pending repaints finish.
    QTest::qWait(50);
    if (!window.grab().save(args[0], "PNG")) {
        std::fprintf(stderr, "veltrane-snapshot: cannot write %s\n", qPrintable(args[0]));
        return 1;
    }
    return 0;
}
