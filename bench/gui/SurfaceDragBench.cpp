#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <vector>

#include "BenchDesign.h"
#include "DesignSurface.h"
#include "frmHTMLImage.h"
#include "util/WholeFile.h"

namespace htmlsim {
namespace {

// Messages are counted, not thrown: they would have to cross Qt's event handlers.
class CountingDialogs : public UnexpectedMessageDialogs {
  public:
    void Message(const std::string&, const std::string&, MessageIcon) override { ++count; }
    int count = 0;
};

// A page holding one 1920 x 1080 image map with ten areas.
std::string WriteScreenPage(const std::filesystem::path& folder) {
    QImage screen(1920, 1080, QImage::Format_RGB32);
    for (int y = 0; y < screen.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(screen.scanLine(y));
        for (int x = 0; x < screen.width(); ++x) {
            row[x] = qRgb(x * 7 % 256, y * 3 % 256, (x ^ y) % 256);
        }
    }
    screen.save(QString::fromStdString((folder / "screen.png").string()));
    std::string images =
        "<IMG SRC='screen.png' Name='Map1' BORDER='0' Width='1920' Height='1080' "
        "STYLE='position:absolute; left:0px; top:0px' UseMap='#Map1'/>\r\n<map name='Map1'>\r\n";
    for (int n = 0; n < 10; ++n) {
        const std::string at = std::to_string(10 * n);
        images += "<AREA SHAPE='rect' COORDS='" + at + "," + at + "," +
                  std::to_string(10 * n + 40) + "," + std::to_string(10 * n + 20) +
                  "' Title='' HREF='next.html'/> \r\n";
    }
    images += "</map>\r\n";
    std::string document = bench::EmptyDesignDocument();
    const std::string marker = "<!-- Section: Images -->\r\n";
    document.insert(document.find(marker) + marker.size(), images);
    const std::string path = (folder / "page.html").string();
    WriteWholeFileAtomically(path, document);
    return path;
}

// One step of dragging the picture on the editor's surface: the mouse handler erases it, moves
// it with its areas and paints it again, and the surface widget repaints what is shown.
void BM_SurfaceImageDragStep(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "htmlsim-gui-bench";
    std::filesystem::create_directories(folder);
    CountingDialogs dialogs;
    {
        gui::frmHTMLImage window(dialogs, (folder / "program").string(), nullptr,
                                 [] { return 0.0; });
        window.Start(WriteScreenPage(folder));
        window.resize(1280, 800);
        window.show();
        QApplication::processEvents();
        if (window.GetSession().Design().ImageCount() != 1 || dialogs.count != 0) {
            state.SkipWithError("the page was not shown");
        }
        DesignMouse& mouse = window.Interaction().Mouse();
        QWidget* pallet = window.DesignTab()->pctPallet();
        mouse.MouseDown(kLeftButton, 100, 100);
        std::vector<double> steps;
        float x = 100;
        for (auto _ : state) {
            const auto start = std::chrono::steady_clock::now();
            x = x == 100 ? 140 : 100;
            mouse.MouseMove(kLeftButton, x, 100);
            pallet->repaint();
            steps.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
        }
        std::nth_element(steps.begin(), steps.begin() + steps.size() / 2, steps.end());
        state.counters["median_ms"] = steps.empty() ? 0 : steps[steps.size() / 2];
        benchmark::DoNotOptimize(window.GetSession().Design().Image(1).Left);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SurfaceImageDragStep)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace htmlsim

// The widgets need an application; the offscreen platform lets the benchmark run without a
// display.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
