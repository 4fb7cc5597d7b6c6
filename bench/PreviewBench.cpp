// Cost of redrawing a preview on every keystroke, next to the cost of the keystroke itself.

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QTest>

#include "ColorListMod.h"
#include "FontSetup.h"
#include "Headless.h"
#include "MessageBoxRecorder.h"
#include "PictureBox.h"
#include "Resources.h"
#include "ScriptGenerator.h"
#include "TextBox.h"
#include "form1.h"

namespace {

// Argument 0 stands for the built-in sample; any other number of sections is generated.
QString ScriptFor(int sections, const QString& sample) {
    return sections == 0 ? Resources::SampleText(sample) : GenerateScript(sections);
}

void SetLines(benchmark::State& state, const QString& text) {
    state.counters["lines"] = double(text.count(QStringLiteral("\r\n")) + 1);
}

// A pane's whole change handler, then its picture composed as it will be shown.
struct Pane {
    const char* sample;
    TextBox* form1::*editor;
    PictureBox* form1::*picture;
    void (form1::*handler)();
};

void RunChangeHandler(benchmark::State& state, const Pane& pane) {
    form1 window(false);
    const QString text = ScriptFor(int(state.range(0)), QString::fromLatin1(pane.sample));
    (window.*pane.editor)->SetText(text);
    for (auto _ : state) {
        (window.*pane.handler)();
        benchmark::DoNotOptimize((window.*pane.picture)->Image().constBits());
    }
    SetLines(state, text);
}

void BM_ClassicChangeHandler(benchmark::State& state) {
    RunChangeHandler(state, {"Text1", &form1::Text1, &form1::Picture1, &form1::Text1_Change});
}

void BM_DragonChangeHandler(benchmark::State& state) {
    RunChangeHandler(state, {"Text2", &form1::Text2, &form1::Picture2, &form1::Text2_Change});
}

// One keystroke into the editor with no handler attached: typing a character and deleting it
// again alternate, so the text keeps its size.
void BM_EditorKeystroke(benchmark::State& state) {
    form1 window(false);
    const QString text = ScriptFor(int(state.range(0)), QStringLiteral("Text1"));
    window.Text1->SetText(text);
    QObject::disconnect(window.Text1, &TextBox::Change, nullptr, nullptr);
    window.show();
    window.Text1->setFocus();
    QTextCursor cursor = window.Text1->textCursor();
    cursor.setPosition(window.Text1->document()->characterCount() / 2);
    window.Text1->setTextCursor(cursor);
    bool type = true;
    for (auto _ : state) {
        if (type) {
            QTest::keyClick(window.Text1, Qt::Key_A);
        } else {
            QTest::keyClick(window.Text1, Qt::Key_Backspace);
        }
        type = !type;
    }
    SetLines(state, text);
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Arg(0)->Arg(200)->Arg(5000)->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_ClassicChangeHandler)->Apply(Sizes);
BENCHMARK(BM_DragonChangeHandler)->Apply(Sizes);
BENCHMARK(BM_EditorKeystroke)->Apply(Sizes);

}  // namespace

int main(int argc, char** argv) {
    PrepareHeadless();
    QApplication application(argc, argv);
    FontSetup::Install();
    ColorListMod::FillColorPalette();
    const MessageBoxRecorder messages;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
