#include <QApplication>

#include "ColorListMod.h"
#include "FontSetup.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // What About boxes show of the program.
    QApplication::setApplicationVersion(QStringLiteral(VELTRANE_VERSION));
    application.setProperty("legalNotice", QStringLiteral("Veltrane 版权所有，保留一切权利。"));
    FontSetup::Install();
    ColorListMod::Main();
    return application.exec();
}
