// skinart: writes the default skin's pictures (each also twice the size), the program's bitmap
// resources and icon, and a mock of the main window drawn from a skin directory for review, at
// 96 dpi or (with 2) at twice the scale from the larger copies.
#include "tools/skinart/art.h"
#include "tools/skinart/bmp.h"
#include "tools/skinart/ico.h"
#include "tools/skinart/review.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

int usage() {
    std::fputs("usage: skinart skin OUTDIR\n"
               "       skinart resources OUTDIR\n"
               "       skinart icon OUT.ico\n"
               "       skinart mock SKINDIR OUT.bmp [2]\n",
               stderr);
    return 2;
}

int fail(const std::string& what) {
    std::fprintf(stderr, "skinart: %s\n", what.c_str());
    return 1;
}

int write_pictures(const std::vector<skinart::Picture>& pictures, const std::string& dir) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    for (const skinart::Picture& p : pictures)
        if (!skinart::write_bmp(dir + "/" + p.file, p.image)) return fail("cannot write " + p.file);
    return 0;
}

int write_review(const std::optional<skinart::Image>& img, const std::string& out) {
    if (!img) return fail("no skin pictures to show");
    return skinart::write_bmp(out, *img) ? 0 : fail("cannot write " + out);
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == "skin")
        return write_pictures(skinart::skin_files(), args[1]);
    if (args.size() == 2 && args[0] == "resources")
        return write_pictures(skinart::resource_pictures(), args[1]);
    if (args.size() == 2 && args[0] == "icon") {
        std::vector<skinart::Image> images;
        for (int size : skinart::kIconSizes)
            images.push_back(skinart::icon_image(size));
        return skinart::write_ico(args[1], images) ? 0 : fail("cannot write " + args[1]);
    }
    if (args.size() == 3 && args[0] == "mock")
        return write_review(skinart::window_mock(args[1]), args[2]);
    if (args.size() == 4 && args[0] == "mock" && args[3] == "2")
        return write_review(skinart::window_mock(args[1], 2), args[2]);
    return usage();
}
