// The program's bitmap resources used by the skin engine: the 16 x 16 menu glyphs of the
// skinned system menu and the two fallback track-bar channels; the skin gallery's image list.
// Also the list of all skin pictures.
#include "tools/skinart/art.h"

#include "tools/skinart/draw.h"
#include "tools/skinart/palette.h"

#include "skin/model/skin_catalogue.h"

namespace skinart {

namespace {

// Image-list order: 0 restore, 1 maximise, 2 minimise, 3 close, 4 help. White is the image
// list's mask colour, so the glyphs are drawn without soft edges.
const std::initializer_list<const char*> kMenuGlyphs[] = {
    {"...######", "...######", "...#....#", "######..#", "######..#", "#....####", "#....#...",
     "#....#...", "######..."},
    {"#########", "#########", "#.......#", "#.......#", "#.......#", "#.......#", "#.......#",
     "#.......#", "#########"},
    {".........", ".........", ".........", ".........", ".........", ".........", ".........",
     "#########", "#########"},
    {"##.....##", "###...###", ".###.###.", "..#####..", "...###...", "..#####..", ".###.###.",
     "###...###", "##.....##"},
    {"..#####..", ".##...##.", ".....##..", "....##...", "...##....", "...##....", ".........",
     "...##....", "...##...."},
};

Image menu_glyphs() {
    constexpr int kCell = 16;
    const int n = static_cast<int>(std::size(kMenuGlyphs));
    Image img(kCell * n, kCell, Rgba{255, 255, 255, 255});
    for (int i = 0; i < n; ++i)
        draw_pattern(img, kCell * i + 3, 3, kMenuGlyphs[i], pal::text);
    return img;
}

// The gallery's image list, 16 x 16 on the magenta its bottom-left pixel makes transparent:
// 0 a check mark, 1 a cross.
const std::initializer_list<const char*> kGalleryImages[] = {
    {"........##", ".......###", "......###.", "#....###..", "##..###...", "######....",
     ".####.....", "..##......"},
    {"##....##", "###..###", ".######.", "..####..", "..####..", ".######.", "###..###",
     "##....##"},
};

Image gallery_images() {
    constexpr int kCell = 16;
    constexpr Rgb kInk[] = {{38, 140, 72}, {196, 52, 52}};
    const int n = static_cast<int>(std::size(kGalleryImages));
    Image img(kCell * n, kCell);
    for (int i = 0; i < n; ++i)
        draw_pattern(img, kCell * i + 3, 4, kGalleryImages[i], kInk[i]);
    return img;
}

} // namespace

std::vector<Picture> skin_pictures(int scale) {
    std::vector<Picture> out;
    for (auto* part : {&frame_pictures, &control_pictures, &panel_pictures})
        for (Picture& p : part(scale))
            out.push_back(std::move(p));
    return out;
}

std::vector<Picture> skin_files() {
    std::vector<Picture> out = skin_pictures(1);
    for (Picture& p : skin_pictures(2))
        out.push_back({LargeName(p.file), std::move(p.image)});
    return out;
}

std::vector<Picture> resource_pictures() {
    return {
        {"MORVALEMENU.bmp", menu_glyphs()},
        {"TRACK.bmp", track_channel(false, 1)},
        {"TRACKVERT.bmp", track_channel(true, 1)},
        {"GALLERYIMAGES.bmp", gallery_images()},
    };
}

} // namespace skinart
