// Cost of redrawing a preview on every keystroke, next to the cost of the keystroke itself.

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QTest>

#include "ColorListMod.h"
#include "FontSetup.h"
#include "Headless.h"
#include "ListBox.h"
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
    ListBox* form1::*list;  // the list the handler refills
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

// Keystrokes into a pane's editor: typing a character and deleting it again alternate, so the
// text keeps its size. With the handler attached each one also redraws the preview, and the
// picture is composed as the next paint would show it: the delay a person feels.
void RunKeystrokes(benchmark::State& state, const Pane& pane, bool withHandler) {
    form1 window(false);
    TextBox* editor = window.*pane.editor;
    const QString text = ScriptFor(int(state.range(0)), QString::fromLatin1(pane.sample));
    editor->SetText(text);
    editor->FinishLoading();
    if (!withHandler) QObject::disconnect(editor, &TextBox::Change, nullptr, nullptr);
    window.show();
    editor->setFocus();
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(editor->document()->characterCount() / 2);
    editor->setTextCursor(cursor);
    PictureBox* picture = window.*pane.picture;
    bool type = true;
    for (auto _ : state) {
        QTest::keyClick(editor, type ? Qt::Key_A : Qt::Key_Backspace);
        // What the event loop does next, short of painting: the list shows its new rows.
        QCoreApplication::sendPostedEvents(window.*pane.list, QEvent::MetaCall);
        benchmark::DoNotOptimize(picture->Image().constBits());
        // The rest (painting into the offscreen buffer) is left out of the figure: it is the
        // same with and without the handler, and too uneven offscreen to compare.
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        type = !type;
    }
    SetLines(state, text);
}

const Pane kClassic{"Text1", &form1::Text1, &form1::Picture1, &form1::Text1_Change, &form1::List1};
const Pane kDragon{"Text2", &form1::Text2, &form1::Picture2, &form1::Text2_Change, &form1::List3};
const Pane kTaskDescription{"Text7", &form1::Text7, &form1::Picture14, &form1::Text7_Change,
                            &form1::List4};

void Sizes(benchmark::internal::Benchmark* b) {
    b->Arg(0)->Arg(200)->Arg(5000)->Unit(benchmark::kMicrosecond);
}

// Each pane's editor alone (its change handler detached) and with the handler.
void BM_Keystroke(benchmark::State& state, const Pane& pane, bool withHandler) {
    RunKeystrokes(state, pane, withHandler);
}
BENCHMARK_CAPTURE(BM_Keystroke, classic_bare, kClassic, false)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Keystroke, classic, kClassic, true)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Keystroke, dragon_bare, kDragon, false)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Keystroke, dragon, kDragon, true)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Keystroke, task_description_bare, kTaskDescription, false)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Keystroke, task_description, kTaskDescription, true)->Apply(Sizes);

// Opening a file into the classic pane: the editor takes the text (what it shows at once) and
// the change handler parses it and draws the first section.
void BM_OpenIntoClassicPane(benchmark::State& state) {
    form1 window(false);
    const QString text = ScriptFor(int(state.range(0)), QStringLiteral("Text1"));
    for (auto _ : state) {
        window.Text1->SetText(text);
        benchmark::DoNotOptimize(window.Picture1->Image().constBits());
        state.PauseTiming();
        window.Text1->SetText(QString());
        state.ResumeTiming();
    }
    SetLines(state, text);
}

void BM_ClassicChangeHandler(benchmark::State& state) {
    RunChangeHandler(state, kClassic);
}
void BM_DragonChangeHandler(benchmark::State& state) {
    RunChangeHandler(state, kDragon);
}

// Start-up: the whole window built from its stored data, the samples put in, and every preview
// drawn by the load handler.
void BM_MainWindowStartup(benchmark::State& state) {
    for (auto _ : state) {
        form1 window;
        benchmark::DoNotOptimize(window.Picture1->Image().constBits());
    }
}

BENCHMARK(BM_MainWindowStartup)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClassicChangeHandler)->Apply(Sizes);
BENCHMARK(BM_DragonChangeHandler)->Apply(Sizes);
BENCHMARK(BM_OpenIntoClassicPane)->Apply(Sizes);

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
