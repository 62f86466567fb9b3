// Reading a stored form description shaped like the main window's: a few objects with their
// properties and, as hex text, a compressed skin of 59 KiB and the tray's icon of 158 KiB
// (random bytes: the digits' values do not change the work). Prints the parse's time and
// speed, best of several runs.
//
//   bench_description          timed runs
//   bench_description --once   one parse and nothing else, for callgrind
#include "ui/form_text_binary.h"
#include "ui/form_text_parser.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

std::string BinaryProperty(const char* name, std::size_t size, std::mt19937& random) {
    std::vector<std::uint8_t> bytes(size);
    for (auto& b : bytes)
        b = static_cast<std::uint8_t>(random());
    return std::string("    ") + name + " = " + form_text::FormatBinary(bytes, "      ") + "\n";
}

std::string Description() {
    std::mt19937 random(7);
    std::string text = "object Form1: TForm1\n  Left = 808\n  Top = 265\n  Caption = 'Pellico'\n";
    for (int i = 1; i <= 12; ++i) {
        text += "  object Button" + std::to_string(i) + ": TButton\n    Left = 9\n    Top = 209\n";
        text += "    Width = 59\n    Height = 38\n    Caption = '粘  贴'\n";
        text += "    Font.Name = '宋体'\n    Font.Style = []\n    OnClick = Button1Click\n  end\n";
    }
    text += "  object SkinData1: TSkinData\n    Active = True\n";
    text += "    SkinControls = [xcMainMenu, xcPopupMenu, xcToolbar, xcCombo, xcCheckBox]\n";
    text += BinaryProperty("SkinStream", 59 << 10, random);
    text += "  end\n  object RxTrayIcon1: TRxTrayIcon\n";
    text += BinaryProperty("Icon.Data", 158 << 10, random);
    text += "  end\nend\n";
    return text;
}

} // namespace

int main(int argc, char** argv) {
    const std::string text = Description();
    if (argc > 1 && std::strcmp(argv[1], "--once") == 0) {
        return form_text::Parse(text).children.empty() ? 1 : 0;
    }
    double best = 1e9;
    for (int run = 0; run < 50; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const form_text::Object tree = form_text::Parse(text);
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        if (tree.children.empty()) return 1;
        best = std::min(best, took.count());
    }
    std::printf("description      %zu bytes of text\n", text.size());
    std::printf("parse            %.3f ms, %.0f MB/s (best of 50)\n", best,
                text.size() / best / 1000.0);
    return 0;
}
