// veltrane-gallery: shows the custom controls in their main variants, one page per control.
//
//   veltrane-gallery                          the gallery window
//   veltrane-gallery page NAME OUT.png        one page, rendered offscreen to a PNG
//   veltrane-gallery render CONTROL PROPS OUT.png [--size W H] [--do ACTION]...

#include <QApplication>
#include <QStringList>
#include <QTabWidget>
#include <cstdio>
#include <cstring>

#include "FontSetup.h"
#include "GalleryControls.h"
#include "Headless.h"
#include "ImageExport.h"
#include "RenderArgs.h"
#include "RenderCommand.h"

namespace {

int RenderPage(const QStringList& args) {
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: veltrane-gallery page NAME OUT.png\n");
        return 2;
    }
    const GalleryControl* entry = FindControl(args[0]);
    if (!entry) {
        std::fprintf(stderr, "unknown page %s\n", qPrintable(args[0]));
        return 2;
    }
    QWidget* page = entry->buildPage();
    page->show();
    QCoreApplication::processEvents();
    const bool saved = SavePng(page->grab().toImage(), args[1]);
    delete page;
    return saved ? 0 : 1;
}

int ShowGallery() {
    QTabWidget window;
    window.setWindowTitle(QStringLiteral("Veltrane gallery"));
    for (const GalleryControl& control : Controls())
        window.addTab(control.buildPage(), control.pageTitle);
    window.show();
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    const bool headless =
        argc > 1 && (std::strcmp(argv[1], "render") == 0 || std::strcmp(argv[1], "page") == 0);
    if (headless) PrepareHeadless();
    QApplication application(argc, argv);
    FontSetup::Install();
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) return ShowGallery();
    const QString command = args.takeFirst();
    if (command == QLatin1String("page")) return RenderPage(args);
    if (command != QLatin1String("render")) {
        std::fprintf(stderr, "%s\n", qPrintable(RenderArgs::Usage()));
        return 2;
    }
    RenderArgs options;
    QString error;
    if (!RenderArgs::Parse(args, &options, &error)) {
        std::fprintf(stderr, "%s\n%s\n", qPrintable(error), qPrintable(RenderArgs::Usage()));
        return 2;
    }
    return RunRenderCommand(options);
}
