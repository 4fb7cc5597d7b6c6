// Feeds arbitrary script text and list clicks through the change and click handlers of all five
// preview panes of the main window.

#include <fuzzer/FuzzedDataProvider.h>
#include <QApplication>
#include <cstddef>
#include <cstdint>

#include "CodePage.h"
#include "ColorListMod.h"
#include "FontSetup.h"
#include "FuzzStartup.h"
#include "Headless.h"
#include "ListBox.h"
#include "MessageBoxRecorder.h"
#include "TextBox.h"
#include "form1.h"

namespace {

form1* g_window = nullptr;
MessageBoxRecorder* g_messages = nullptr;

QString ConsumeText(FuzzedDataProvider& data) {
    const std::string bytes = data.ConsumeRandomLengthString(1 << 16);
    if (data.ConsumeBool()) return CodePage::ToUnicode(QByteArray::fromStdString(bytes));
    // Raw UTF-16, lone surrogates and all.
    return QString(reinterpret_cast<const QChar*>(bytes.data()), qsizetype(bytes.size() / 2));
}

void Click(ListBox* list, FuzzedDataProvider& data) {
    list->ClickRow(data.ConsumeIntegralInRange<int>(-1, list->ListCount()));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    StartHeadlessApplication(argc, argv);
    ColorListMod::FillColorPalette();
    g_messages = new MessageBoxRecorder;
    g_window = new form1(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    form1& w = *g_window;
    TextBox* editors[] = {w.Text1, w.Text2, w.Text3, w.Text6, w.Text7};
    while (data.remaining_bytes() > 0) {
        const int action = data.ConsumeIntegralInRange(0, 8);
        if (action < 5) {
            editors[action]->SetText(ConsumeText(data));
        } else if (action == 5) {
            Click(w.List1, data);
        } else if (action == 6) {
            Click(w.List2, data);
        } else if (action == 7) {
            Click(w.List3, data);
        } else {
            QCoreApplication::processEvents();
        }
    }
    g_messages->clear();
    return 0;
}
