// The default skin as the build draws and packs it: every element of the catalogue is there with
// its frame count, the caption buttons and check and radio strips are cut as drawn, and the
// combo box is composed; every picture comes with its larger copy for denser displays. Catches a
// picture the art leaves out, a key the ini misspells, or a copy the loader would not keep.
#include "skin/model/lzh.h"
#include "skin/model/skin_archive.h"
#include "skin/model/skin_catalogue.h"
#include "tests/host/test_data.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

// skinart draws the pictures; the ini is the hand-written one. Packed as skintool packs.
TSkinElements LoadDefaultSkin(const TempDir& dir, const TSkinLoadInputs& inputs) {
    const fs::path out = dir.Path() / "skin";
    const std::string command = std::string(SKINART_EXE) + " skin " + out.string();
    if (std::system(command.c_str()) != 0) throw std::runtime_error("skinart failed");
    fs::copy_file(PELLICO_SKIN_INI, out / "skin.ini", fs::copy_options::overwrite_existing);
    std::vector<SkinArchiveEntry> entries;
    for (const fs::directory_entry& f : fs::directory_iterator(out)) {
        entries.push_back({f.path().filename().string(), ReadBytes(f.path())});
    }
    TSkinReader reader;
    reader.Open(LzhEncodeContainer(PackSkinArchive(entries)));
    TSkinElements e;
    LoadSkinElements(e, std::make_shared<TSkinReader>(std::move(reader)), inputs);
    return e;
}

TEST(DefaultSkin, BuildsEveryElementOfTheCatalogue) {
    TempDir dir;
    TSkinLoadInputs inputs;
    inputs.HScrollWidth = 17;
    const TSkinElements e = LoadDefaultSkin(dir, inputs);

    // Fixed frame counts of the catalogue; the rest come from the ini.
    const std::map<std::string, int> fixed = {{"Buttons", 5},           {"Title", 2},
                                              {"MenuBar", 2},           {"GroupBoxEdge", 2},
                                              {"GroupBox", 1},          {"Tabs", 5},
                                              {"StatusBarEdges", 3},    {"TabPane", 1},
                                              {"ToolBars", 5},          {"ComboButton", 4},
                                              {"SunkEdge", 4},          {"ExtraImages", 5},
                                              {"MenuItem", 5},          {"MenuBackground", 1},
                                              {"Scrollbar", 23},        {"HorzScroll", 4},
                                              {"VertScroll", 4},        {"TrackbarThumbHorz", 5},
                                              {"TrackbarThumbVert", 5}, {"UpDownHorz", 8},
                                              {"UpDownVert", 8},        {"ComboArrow", 4},
                                              {"ToolbarBackground", 1}};
    std::set<std::string> present;
    for (const TNamedElement& n : ListSkinElements(e)) {
        present.insert(n.Field);
        if (n.Field.starts_with("CaptionButtons")) continue;
        EXPECT_FALSE(n.Element->Image.Pixels.empty()) << n.Field;
        EXPECT_GE(n.Element->Frame, 1) << n.Field;
        if (const auto f = fixed.find(n.Field); f != fixed.end()) {
            EXPECT_EQ(n.Element->Frame, f->second) << n.Field;
        }
    }
    for (const auto& [field, frames] : fixed)
        EXPECT_TRUE(present.contains(field)) << field;
    for (const char* field :
         {"BorderLeft", "BorderRight", "BorderTop", "BorderBottom", "Progress", "ProgressChunk",
          "Headerbar", "HorzScrollThumb", "VertScrollThumb", "Track", "TrackVert"}) {
        EXPECT_TRUE(present.contains(field)) << field;
    }

    // The combo box is composed: 50 x 21 cells, one per sunken-edge frame.
    EXPECT_EQ(e.ComboButton->Style, 2);
    EXPECT_EQ(e.ComboButton->Image.Width, 200);
    EXPECT_EQ(e.ComboButton->Image.Height, 21);
    EXPECT_EQ(e.ComboArrow->Image.Width, 68);
    // Check and radio strips hold whole frames.
    EXPECT_GE(e.Buttons.CheckFrames, 4);
    EXPECT_GE(e.Buttons.RadioFrames, 4);
    // Three MDI buttons after the skin's own caption buttons, each with its picture.
    ASSERT_GE(e.CaptionButtons.size(), 3u);
    for (std::size_t i = e.CaptionButtons.size() - 3; i < e.CaptionButtons.size(); ++i) {
        EXPECT_FALSE(e.CaptionButtons[i].Image.Pixels.empty()) << i;
    }
    // A title frame colour taken from the drawn top border.
    EXPECT_GE(e.Colors[kFrameColor], 0);
}

// Every picture the skin names is packed with its copy twice the size ("NAME@2x.bmp"), and the
// loader keeps each one within its pixel budget: a copy left out of the packing, drawn at a
// wrong size, or crowded out by the budget leaves a picture without it.
TEST(DefaultSkin, EveryPictureCarriesItsCopyTwiceTheSize) {
    TempDir dir;
    TSkinLoadInputs inputs;
    const TSkinElements e = LoadDefaultSkin(dir, inputs);

    auto expect_double = [](const TPixelImage& picture, const TLargePicture& copy,
                            const std::string& what) {
        const TPixelImage& large = copy.Get();
        ASSERT_FALSE(picture.Empty()) << what;
        ASSERT_FALSE(large.Empty()) << what << ": no larger copy";
        EXPECT_EQ(large.Width, 2 * picture.Width) << what;
        EXPECT_EQ(large.Height, 2 * picture.Height) << what;
    };
    // The loader composes or cuts these pictures itself, so they have no copy of their own: the
    // combo box composite (ComboButton, its mirror in SunkEdge, its arrow), the tool-bar
    // background, and the MDI buttons (the last three caption buttons) cut from one strip.
    std::set<std::string> composed = {"ComboButton", "SunkEdge", "ComboArrow", "ToolbarBackground"};
    for (std::size_t i = e.CaptionButtons.size() - 3; i < e.CaptionButtons.size(); ++i)
        composed.insert("CaptionButtons[" + std::to_string(i) + "]");
    int copies = 0;
    for (const TNamedElement& n : ListSkinElements(e)) {
        if (composed.contains(n.Field) || n.Element->Image.Empty()) continue;
        expect_double(n.Element->Image, n.Element->Image2x, n.Field);
        ++copies;
    }
    expect_double(e.Buttons.CheckImage, e.Buttons.CheckImage2x, "CheckImage");
    expect_double(e.Buttons.RadioImage, e.Buttons.RadioImage2x, "RadioImage");
    EXPECT_GE(copies, 30);
}

} // namespace
