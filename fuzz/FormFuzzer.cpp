// Feeds damaged stored window data to the window loader (as raw text, or as blocks of known
// control types with random places and properties), and arbitrary file bytes to an editor the
// way the open action puts them there.

#include <fuzzer/FuzzedDataProvider.h>
#include <QApplication>
#include <cstddef>
#include <cstdint>

#include "CodePage.h"
#include "ColorListMod.h"
#include "FuzzStartup.h"
#include "LoadedForm.h"
#include "MessageBoxRecorder.h"
#include "PictureBox.h"
#include "StoredForm.h"
#include "TextBox.h"
#include "safetabs.h"

namespace {

const char* const kTypes[] = {"safetabs", "FxFrame",    "YCommand", "xButton",
                              "jcFrames", "YCombo",     "TextBox",  "ListBox",
                              "Label",    "PictureBox", "Gadget",   "textbox"};
const char* const kKeys[] = {"Caption",   "Caption0",    "Caption1",     "TabCount",   "ActiveTab",
                             "skinIndex", "BackColor",   "ForeColor",    "Font",       "Picture",
                             "ScaleMode", "ScaleLeft",   "ScaleTop",     "Text",       "ScrollBars",
                             "Locked",    "Alignment",   "BackStyle",    "Visible",    "Enabled",
                             "Style",     "CRad",        "DrawWidth",    "skin",       "clrBase",
                             "Icon",      "ClientWidth", "ClientHeight", "LabelWidth", "IconSize"};

QString Word(FuzzedDataProvider& data, size_t max) {
    return QString::fromStdString(data.ConsumeRandomLengthString(max)).simplified();
}

QString Number(FuzzedDataProvider& data) {
    switch (data.ConsumeIntegralInRange(0, 3)) {
        case 0:
            return QString::number(data.ConsumeIntegralInRange(-2, 40));
        case 1:
            return QString::number(data.ConsumeIntegral<qint32>());
        case 2:
            return QString::number(data.ConsumeIntegral<qint64>());
        default:
            return Word(data, 12);
    }
}

QString Value(FuzzedDataProvider& data) {
    switch (data.ConsumeIntegralInRange(0, 8)) {
        case 0:
            return QStringLiteral("int ") + Number(data);
        case 1:
            return QStringLiteral("uint 0x%1").arg(data.ConsumeIntegral<quint32>(), 0, 16);
        case 2:
            return QStringLiteral("str \"") + Word(data, 40).remove('"').remove('\\') + '"';
        case 3:
            return data.ConsumeBool() ? QStringLiteral("bool true") : QStringLiteral("bool false");
        case 4:
            return QStringLiteral("double ") + Number(data);
        case 5:
            return QStringLiteral("font \"宋体\" %1pt").arg(data.ConsumeIntegralInRange(-5, 400));
        case 6:
            return QStringLiteral("image \":/images/xbutton_skin0.png\"");
        case 7:
            return QStringLiteral("short ") + Number(data);
        default:
            return Word(data, 30);
    }
}

// Blocks of known shape: names from a small set, so containers and repeats are found.
QString StructuredForm(FuzzedDataProvider& data) {
    QString text = QStringLiteral("form f\n");
    for (int n = data.ConsumeIntegralInRange(0, 4); n > 0; --n)
        text += QStringLiteral("  %1 = %2\n").arg(data.PickValueInArray(kKeys), Value(data));
    text += QStringLiteral("end\n");
    const int blocks = data.ConsumeIntegralInRange(0, 24);
    for (int b = 0; b < blocks && data.remaining_bytes() > 0; ++b) {
        const int container = data.ConsumeIntegralInRange(-1, 15);
        text += QStringLiteral("control %1 c%2 in %3 at %4 %5 %6 %7 code %8\n")
                    .arg(QLatin1String(data.PickValueInArray(kTypes)))
                    .arg(data.ConsumeIntegralInRange(0, 15))
                    .arg(container < 0 ? QStringLiteral("f") : QStringLiteral("c%1").arg(container))
                    .arg(Number(data), Number(data), Number(data), Number(data), Number(data));
        for (int n = data.ConsumeIntegralInRange(0, 6); n > 0; --n)
            text += QStringLiteral("  %1 = %2\n").arg(data.PickValueInArray(kKeys), Value(data));
        if (data.ConsumeBool()) text += QStringLiteral("end\n");
    }
    return text;
}

void LoadForm(const QString& text, FuzzedDataProvider& data) {
    QWidget window;
    LoadedForm form(StoredForm::FromText(text), &window);
    // What the window's code asks of its data, whatever it holds.
    form.Require<PictureBox>(QStringLiteral("c1"))->Cls();
    form.Require<TextBox>(QStringLiteral("c2"))->SetText(QStringLiteral("x"));
    safetabs* tabs = form.Require<safetabs>(QStringLiteral("c3"));
    for (int n = data.ConsumeIntegralInRange(0, 3); n > 0; --n)
        tabs->SetActiveTab(data.ConsumeIntegralInRange(-1, 8));
    // The window as shown: an unshown widget would grab the box around all its children.
    if (data.ConsumeBool()) window.grab(window.rect());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    StartHeadlessApplication(argc, argv);
    ColorListMod::FillColorPalette();
    new MessageBoxRecorder;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    switch (data.ConsumeIntegralInRange(0, 2)) {
        case 0: {
            const std::string raw = data.ConsumeRemainingBytesAsString();
            LoadForm(QString::fromUtf8(raw.data(), qsizetype(raw.size())), data);
            break;
        }
        case 1:
            LoadForm(StructuredForm(data), data);
            break;
        default: {
            // A file's bytes as the open action shows them.
            TextBox editor;
            const std::string raw = data.ConsumeRemainingBytesAsString();
            editor.SetText(CodePage::ToUnicode(QByteArray::fromStdString(raw)));
            editor.FinishLoading();
            break;
        }
    }
    QCoreApplication::processEvents();
    return 0;
}
