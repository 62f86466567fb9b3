// Painting and shaping a main-window-sized frame from the default skin: the nine-grid render of
// its frame edges with GDI (and on pixels, for comparison), the per-load bitmaps, and the build
// of the window region from the frame pictures' key colour. See README.md.
#include "bench/mainwindow/measure.h"
#include "tests/support/desktop.h"

#include "skin/gdi/dib.h"
#include "skin/gdi/skin_bitmaps.h"
#include "skin/gdi/skin_paint.h"
#include "skin/gdi/skin_region.h"
#include "skin/model/skin_data_core.h"
#include "skin/model/skin_geometry.h"
#include "skin/pictures/pixel_draw.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

// The main window's client area.
constexpr int kClientWidth = 263;
constexpr int kClientHeight = 354;
// A display of 150 %, where every picture a paint asks for is scaled first.
constexpr int kDenseDpi = 144;

std::vector<std::uint8_t> ReadFile(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs `work` `count` times (after a few runs to warm up) and prints the median and 95th
// percentile in microseconds.
void Measure(const char* what, int count, const std::function<void()>& work) {
    for (int i = 0; i < 5; ++i)
        work();
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        const double start = bench::Now();
        work();
        times.push_back((bench::Now() - start) * 1000.0);
    }
    std::printf("%-62s %9.1f us %9.1f us\n", what, bench::Percentile(times, 0.5),
                bench::Percentile(times, 0.95));
}

struct Frame {
    int left, right, title, bottom; // the frame sizes
    int width, height;              // the window
};

// How one frame edge is painted: stacked for the top and bottom, tiled when its Tile is 1, the
// active frame.
TPixelImage Edge(const TDataSkinObject& e, int w, int h, bool stacked) {
    return RenderNineGrid(w, h, e.Image, MarginsOf(e), stacked, e.Tile == 1, e.Frame, 1);
}

// The window region as the form skinner shapes a framed window: the client part whole, each
// edge cut by its key colour where its picture is transparent, else whole.
ui::TRegion FrameRegion(const TSkinElements& e, const Frame& f) {
    const int W = f.width, H = f.height;
    ui::TRegion region = ui::TRegion::Rect(f.left, f.title, W - f.right, H - f.bottom);
    const auto add = [&](ui::TRegion part) { region.Combine(part, RGN_OR); };
    add(e.BorderLeft.Trans == 1 && H > 1
            ? BuildRegion(Edge(e.BorderLeft, f.left, H, false), 0, 0, kFrameRegionKey)
            : ui::TRegion::Rect(0, 0, f.left, H));
    add(e.BorderRight.Trans == 1 && H > 1
            ? BuildRegion(Edge(e.BorderRight, f.right, H, false), W - f.right, 0, kFrameRegionKey)
            : ui::TRegion::Rect(W - f.right, 0, W, H));
    add(e.BorderBottom.Trans == 1 && f.bottom >= 2
            ? BuildRegion(Edge(e.BorderBottom, W - f.left - f.right, f.bottom, true), f.left,
                          H - f.bottom, kFrameRegionKey)
            : ui::TRegion::Rect(f.left, H - f.bottom, W - f.right, H));
    add(e.BorderTop.Trans == 1 && f.title > 1 && W - f.left - f.right > 0
            ? BuildRegion(Edge(e.BorderTop, W - f.left - f.right, f.title, true), f.left, 0,
                          kFrameRegionKey)
            : ui::TRegion::Rect(f.left, 0, W - f.right, f.title));
    return region;
}

} // namespace

int main() {
    TSkinDataCore data;
    data.SetSkinStream(ReadFile(testing_desktop::WindowsPath(PELLICO_DEFAULT_SKIN)));
    if (!data.LoadSkin()) {
        std::fprintf(stderr, "cannot load the default skin from %s\n", PELLICO_DEFAULT_SKIN);
        return 1;
    }
    const TSkinElements& e = data.Elements();
    Frame f{};
    f.left = e.BorderLeft.Image.Width / e.BorderLeft.Frame;
    f.right = e.BorderRight.Image.Width / e.BorderRight.Frame;
    f.title = e.BorderTop.Image.Height / e.BorderTop.Frame;
    f.bottom = e.BorderBottom.Image.Height / e.BorderBottom.Frame;
    f.width = kClientWidth + f.left + f.right;
    f.height = kClientHeight + f.title + f.bottom;
    const int top = f.width - f.left - f.right;
    std::printf("default skin, %d x %d window (frame %d, %d, %d, %d), %zu-bit build\n", f.width,
                f.height, f.left, f.title, f.right, f.bottom, sizeof(void*) * 8);
    std::printf("%-62s %12s %12s\n", "", "median", "p95");

    std::vector<const TPixelImage*> pictures;
    std::vector<const TDataSkinObject*> elements;
    for (const TNamedElement& named : ListSkinElements(e)) {
        if (named.Element->Image.Pixels.empty()) continue;
        pictures.push_back(&named.Element->Image);
        elements.push_back(named.Element);
    }
    const std::string all =
        "bitmaps of all " + std::to_string(pictures.size()) + " element pictures (once a load)";
    Measure(all.c_str(), 100, [&] {
        TSkinBitmaps fresh(e);
        for (const TPixelImage* picture : pictures)
            fresh.Of(*picture);
    });
    Measure("bitmaps of the four frame pictures (once a load)", 100, [&] {
        TSkinBitmaps fresh(e);
        for (const TPixelImage* picture :
             {&e.BorderLeft.Image, &e.BorderRight.Image, &e.BorderTop.Image, &e.BorderBottom.Image})
            fresh.Of(*picture);
    });

    // At a density: each picture scaled (from its larger copy where the skin gives one) and its
    // bitmap made, as a paint at that density asks for it the first time after a load.
    const auto scaled = [&](TSkinBitmaps& fresh, const TDataSkinObject& element, bool stacked) {
        fresh.AtDpi(element.Image, element.Image2x, {element.Frame, stacked, MarginsOf(element)},
                    kDenseDpi);
    };
    const std::string dense = std::to_string(kDenseDpi) + " dpi";
    Measure(("all " + std::to_string(elements.size()) + " pictures at " + dense +
             ": scaled, bitmaps made")
                .c_str(),
            20, [&] {
                TSkinBitmaps fresh(e);
                for (const TDataSkinObject* element : elements)
                    scaled(fresh, *element, false);
            });
    Measure(("  of which the pictures scaled alone (" + dense + ")").c_str(), 20, [&] {
        TSkinBitmaps fresh(e);
        for (const TDataSkinObject* element : elements)
            fresh.Pictures().At(element->Image, element->Image2x,
                                {element->Frame, false, MarginsOf(*element)}, kDenseDpi);
    });
    Measure(("the four frame pictures at " + dense + ": scaled, bitmaps made").c_str(),
            100, [&] {
                TSkinBitmaps fresh(e);
                scaled(fresh, e.BorderLeft, false);
                scaled(fresh, e.BorderRight, false);
                scaled(fresh, e.BorderTop, true);
                scaled(fresh, e.BorderBottom, true);
            });

    TSkinBitmaps bitmaps(e);
    const TStripBitmap& topStrip = bitmaps.Of(e.BorderTop.Image);
    const TStripBitmap& leftStrip = bitmaps.Of(e.BorderLeft.Image);
    const std::string topSize = std::to_string(top) + " x " + std::to_string(f.title);
    const std::string leftSize = std::to_string(f.left) + " x " + std::to_string(f.height);

    TDib window(f.width, f.height);
    Measure(("top edge " + topSize + " drawn").c_str(), 2000, [&] {
        DrawElementFrame(window.Dc(), {f.left, 0, f.width - f.right, f.title}, topStrip, true,
                         e.BorderTop.Tile == 1, false, e.BorderTop.Frame, 1,
                         MarginsOf(e.BorderTop));
    });
    Measure(("top edge " + topSize + " drawn with its key left out").c_str(), 2000, [&] {
        DrawElementFrame(window.Dc(), {f.left, 0, f.width - f.right, f.title}, topStrip, true,
                         e.BorderTop.Tile == 1, true, e.BorderTop.Frame, 1, MarginsOf(e.BorderTop));
    });
    Measure(("left edge " + leftSize + " drawn").c_str(), 2000, [&] {
        DrawElementFrame(window.Dc(), {0, 0, f.left, f.height}, leftStrip, false,
                         e.BorderLeft.Tile == 1, false, e.BorderLeft.Frame, 1,
                         MarginsOf(e.BorderLeft));
    });
    Measure(("top edge " + topSize + " as a new bitmap (RenderNineGrid)").c_str(), 2000, [&] {
        RenderNineGrid(top, f.title, topStrip, MarginsOf(e.BorderTop), true, e.BorderTop.Tile == 1,
                       e.BorderTop.Frame, 1);
    });
    Measure(("top edge " + topSize + ", nine-grid on pixels").c_str(), 2000,
            [&] { Edge(e.BorderTop, top, f.title, true); });

    std::size_t rects = 0;
    Measure("frame region: edges composed, runs, regions OR-ed", 1000, [&] {
        const ui::TRegion region = FrameRegion(e, f);
        rects = (GetRegionData(region.Handle(), 0, nullptr) - sizeof(RGNDATAHEADER)) / sizeof(RECT);
    });
    const TPixelImage leftEdge = Edge(e.BorderLeft, f.left, f.height, false);
    const TPixelImage rightEdge = Edge(e.BorderRight, f.right, f.height, false);
    const TPixelImage topEdge = Edge(e.BorderTop, top, f.title, true);
    std::vector<TPixelRect> runs;
    Measure("  of which the runs of the composed left, right and top edges", 1000, [&] {
        runs = OpaqueRuns(leftEdge, 0, 0, kFrameRegionKey);
        const auto more = OpaqueRuns(rightEdge, f.width - f.right, 0, kFrameRegionKey);
        const auto topRuns = OpaqueRuns(topEdge, f.left, 0, kFrameRegionKey);
        runs.insert(runs.end(), more.begin(), more.end());
        runs.insert(runs.end(), topRuns.begin(), topRuns.end());
    });
    Measure("  of which one region of those runs (ExtCreateRegion)", 1000,
            [&] { RegionFromRects(runs); });
    std::printf("(%zu runs in the three edges; the frame region holds %zu rectangles)\n",
                runs.size(), rects);
    return 0;
}
