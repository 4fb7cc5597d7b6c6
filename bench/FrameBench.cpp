// Cost of one property write on a group frame: every write repaints the whole frame, one
// gradient line at a time, and a disabled icon pixel by pixel.

#include <benchmark/benchmark.h>
#include <QApplication>

#include "FontSetup.h"
#include "Headless.h"
#include "jcFrames.h"

namespace {

// The size of the task log pane's frame: 11895 x 3855 twips.
constexpr int kWidthTwips = 11895;
constexpr int kHeightTwips = 3855;

struct Look {
    int style;
    int headerStyle;
    int gradientHeaderStyle;
    bool enabled;
};

void BM_FrameRepaint(benchmark::State& state, Look look) {
    jcFrames frame;
    frame.SetName(QStringLiteral("jcFrames4"));
    frame.SetSizeTwips(kWidthTwips, kHeightTwips);
    frame.InitNew();
    frame.SetStyle(look.style);
    frame.SetHeaderStyle(look.headerStyle);
    frame.SetGradientHeaderStyle(look.gradientHeaderStyle);
    frame.SetCaption(QStringLiteral("任务日志"));
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(qRgb(0x30, 0x90, 0xE0));
    frame.SetPicture(icon);
    frame.SetIconSize(32);
    frame.SetEnabled(look.enabled);
    int n = 0;
    for (auto _ : state)
        frame.SetTextColor(quint32(n++ & 1));  // one write, one whole repaint
}

BENCHMARK_CAPTURE(BM_FrameRepaint, style3_band, Look{3, 0, 1, true});
BENCHMARK_CAPTURE(BM_FrameRepaint, style3_glass_band, Look{3, 1, 2, true});
BENCHMARK_CAPTURE(BM_FrameRepaint, style4_window, Look{4, 1, 3, true});
BENCHMARK_CAPTURE(BM_FrameRepaint, style7_line, Look{7, 0, 0, true});
BENCHMARK_CAPTURE(BM_FrameRepaint, style8_glass_panel, Look{8, 1, 2, true});
BENCHMARK_CAPTURE(BM_FrameRepaint, style8_disabled_icon, Look{8, 1, 2, false});

}  // namespace

int main(int argc, char** argv) {
    PrepareHeadless();
    QApplication application(argc, argv);
    FontSetup::Install();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
