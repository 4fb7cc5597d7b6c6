#pragma once

#include <QApplication>

#include "FontSetup.h"
#include "Headless.h"

// What every fuzz target does once, and what it tells LeakSanitizer. Included by exactly one
// source file of each target.

// The font libraries keep their caches until the process ends, unreachable by the time
// LeakSanitizer looks at exit; those reports say nothing about this program. Leaks anywhere
// else are still reported.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n"
           "leak:libfreetype.so\n";
}

// A headless application with the program's fonts. Never destroyed: the first mouse event makes
// a pointing device owned by the application, and an application torn down at exit would
// delete it after the toolkit's device list is gone.
inline void StartHeadlessApplication(int* argc, char*** argv) {
    PrepareHeadless();
    new QApplication(*argc, *argv);
    FontSetup::Install();
}
