// veltrane-render: draws the preview of a script, notice or title headlessly and reports every
// drawing event.
//
//   veltrane-render PANE FILE [--select N] [--follow N] [--png OUT.png]

#include <QApplication>
#include <QStringList>
#include <cstdio>

#include "ColorListMod.h"
#include "FontSetup.h"
#include "Headless.h"
#include "RenderOptions.h"
#include "RenderSession.h"

int main(int argc, char** argv) {
    // No window and no display: the offscreen platform is all that is needed.
    PrepareHeadless();
    QApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();

    RenderOptions options;
    QString error;
    if (!RenderOptions::Parse(arguments, &options, &error)) {
        std::fprintf(stderr, "%s\n%s\n", qPrintable(error), qPrintable(RenderOptions::Usage()));
        return 2;
    }
    FontSetup::Install();
    ColorListMod::FillColorPalette();
    return RenderSession(options).Run();
}
