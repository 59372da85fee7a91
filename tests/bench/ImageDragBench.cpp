#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "UnexpectedMessageDialogs.h"
#include "session/DesignMouse.h"

namespace htmlsim {
namespace {

class PixelPicture : public Picture {
  public:
    PixelPicture(int width, int height)
        : mWidth(width), mHeight(height), mPixels(static_cast<size_t>(width) * height) {
        for (size_t i = 0; i < mPixels.size(); ++i) {
            mPixels[i] = static_cast<uint32_t>(i * 2654435761u);
        }
    }
    int Width() const override { return mWidth; }
    int Height() const override { return mHeight; }
    uint32_t At(int x, int y) const { return mPixels[static_cast<size_t>(y) * mWidth + x]; }

  private:
    int mWidth;
    int mHeight;
    std::vector<uint32_t> mPixels;
};

// A persistent 32-bit bitmap painted the way the editor's surface paints: a stretched copy of
// the whole picture, or a white fill.
class PixelSurface : public Surface {
  public:
    PixelSurface(int width, int height)
        : mWidth(width), mHeight(height), mPixels(static_cast<size_t>(width) * height) {}

    void PaintPicture(const Picture* picture, int left, int top, int width, int height,
                      RasterOp op) override {
        const auto* pixels = dynamic_cast<const PixelPicture*>(picture);
        const int x0 = std::max(left, 0);
        const int y0 = std::max(top, 0);
        const int x1 = std::min(left + width, mWidth);
        const int y1 = std::min(top + height, mHeight);
        for (int y = y0; y < y1; ++y) {
            uint32_t* row = &mPixels[static_cast<size_t>(y) * mWidth];
            if (op == RasterOp::White || !pixels) {
                std::fill(row + x0, row + x1, 0xFFFFFFFFu);
                continue;
            }
            const int sy = (y - top) * pixels->Height() / height;
            for (int x = x0; x < x1; ++x) {
                row[x] = pixels->At((x - left) * pixels->Width() / width, sy);
            }
        }
    }
    void ClearPicture() override { std::fill(mPixels.begin(), mPixels.end(), 0xFFFFFFFFu); }
    void ShowOutline(int, int, int, int, int) override {}
    void HideOutline(int) override {}
    void UnloadOutline(int) override {}

  private:
    int mWidth;
    int mHeight;
    std::vector<uint32_t> mPixels;
};

class NoMenus : public DesignMouseView {
  public:
    void ShowPopupMenu(const PopupMenu&, float, float) override {}
};

// One step of dragging a 1920 x 1080 picture that carries ten areas: erase, move with its
// areas, repaint, through the mouse handler itself.
void BM_ImageDragStep(benchmark::State& state) {
    UnexpectedMessageDialogs dialogs;
    const auto folder = std::filesystem::temp_directory_path() / "htmlsim-bench";
    Session session(dialogs, folder.string());
    PixelSurface surface(2400, 1500);
    PixelPicture picture(1920, 1080);
    NoPictures pictures;
    session.AttachDesignServices(surface, pictures);
    ImageProperties& image = session.Design().AppendImage();
    image.PCT = std::shared_ptr<const Picture>(&picture, [](const Picture*) {});
    image.Width = 1920;
    image.Height = 1080;
    image.ImageType = kImageMap;
    for (int16_t n = 0; n < 10; ++n) {
        session.Design().Shapes.NextFreeShapeIndex(surface);
        session.Design().Areas.Add("Map1_Area_" + std::to_string(n), 20, 40, 10 * n, 10 * n, n,
                                   AreaKey(n), 1);
    }
    Navigation navigation(session);
    NoMenus view;
    DesignMouse mouse(session, navigation, view, [] { return 0.0; });
    mouse.MouseDown(kLeftButton, 100, 100);
    float x = 100;
    for (auto _ : state) {
        x = x == 100 ? 140 : 100;
        mouse.MouseMove(kLeftButton, x, 100);
    }
    benchmark::DoNotOptimize(image.Left);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ImageDragStep)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace htmlsim
