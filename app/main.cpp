#include <QApplication>

#include "ColorListMod.h"
#include "FontSetup.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    FontSetup::Install();
    ColorListMod::Main();
    return application.exec();
}
