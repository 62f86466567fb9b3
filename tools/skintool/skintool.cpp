// skintool: the skin author's command-line tool. Packs a folder into a compressed skin archive
// (the form the program embeds), unpacks and lists one, and encodes or decodes single files.
//
// Exit codes: 0 success, 1 bad input (one line on stderr), 2 bad usage.
#include "skin/model/lzh.h"
#include "skin/model/skin_archive.h"
#include "skin/model/skin_catalogue.h"
#include "skin/model/skin_error.h"
#include "skin/model/skin_text.h"
#include "tools/skintool/skintool_sheet.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage = "usage: skintool encode IN OUT | decode IN OUT | "
                               "pack DIR OUT [FILE...] | unpack IN DIR | list IN | "
                               "sheet IN OUT.bmp";

// Bad input: reported on one line, exit code 1.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::vector<std::uint8_t> ReadFile(const fs::path& path) {
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (ec) throw InputError("cannot read " + path.string() + ": " + ec.message());
    // Nothing skintool reads is legitimately larger than a decoded skin.
    if (size > kMaxDecodedSize) {
        throw InputError(path.string() + " is larger than " + std::to_string(kMaxDecodedSize) +
                         " bytes");
    }
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size))) {
        throw InputError("cannot read " + path.string());
    }
    return bytes;
}

void WriteFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw InputError("cannot write " + path.string());
}

TSkinReader OpenArchive(const fs::path& path) {
    TSkinReader reader;
    reader.Open(ReadFile(path));
    return reader;
}

// Every regular file of `dir`, or only the `files` named (relative to `dir`) when any are given:
// a build can pack from a folder that holds other things too.
void Pack(const fs::path& dir, const fs::path& out, std::span<const std::string> files) {
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) throw InputError(dir.string() + " is not a folder");
    std::vector<fs::path> paths;
    if (files.empty()) {
        for (const fs::directory_entry& file : fs::directory_iterator(dir)) {
            if (file.is_regular_file()) paths.push_back(file.path());
        }
    }
    for (const std::string& file : files) {
        if (!fs::is_regular_file(dir / file, ec))
            throw InputError(file + " is not a file in " + dir.string());
        paths.push_back(dir / file);
    }
    std::vector<SkinArchiveEntry> entries;
    for (const fs::path& path : paths) {
        entries.push_back({AsciiLower(path.filename().string()), ReadFile(path)});
    }
    // By name, the larger copies after everything else (a load at the base density then
    // decompresses none of them).
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return std::pair(IsLargeName(a.name), a.name) < std::pair(IsLargeName(b.name), b.name);
    });
    const auto same =
        std::adjacent_find(entries.begin(), entries.end(),
                           [](const auto& a, const auto& b) { return a.name == b.name; });
    if (same != entries.end())
        throw InputError("two files are named " + same->name + " once lower-cased");
    WriteFile(out, LzhEncodeContainer(PackSkinArchive(entries)));
}

// An entry name becomes a file name in the target folder, never a path out of it.
bool SafeFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\\\0", 3)) == std::string::npos;
}

void Unpack(const fs::path& in, const fs::path& dir) {
    const TSkinReader reader = OpenArchive(in);
    const std::vector<std::string>& names = reader.Names();
    for (const std::string& name : names) {
        if (!SafeFileName(name))
            throw InputError("entry name \"" + name + "\" is not a plain file name");
    }
    fs::create_directories(dir);
    // The program reads the first of two entries with one name; so does unpack.
    std::set<std::string> written;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (written.insert(names[i]).second) WriteFile(dir / names[i], reader.ExtractAt(i));
    }
}

void List(const fs::path& in) {
    const TSkinReader reader = OpenArchive(in);
    for (std::size_t i = 0; i < reader.Names().size(); ++i) {
        std::cout << reader.Names()[i] << '\t' << reader.EntrySize(i) << '\n';
    }
}

int Run(const std::vector<std::string>& args) {
    if (args.size() >= 3 && args[0] == "pack") {
        Pack(args[1], args[2], std::span(args).subspan(3));
    } else if (args.size() == 2 && args[0] == "list") {
        List(args[1]);
    } else if (args.size() != 3) {
        return 2;
    } else if (args[0] == "encode") {
        WriteFile(args[2], LzhEncodeContainer(ReadFile(args[1])));
    } else if (args[0] == "decode") {
        WriteFile(args[2], LzhDecodeContainer(ReadFile(args[1])));
    } else if (args[0] == "unpack") {
        Unpack(args[1], args[2]);
    } else if (args[0] == "sheet") {
        WriteFile(args[2], SheetBmp(OpenArchive(args[1])));
    } else {
        return 2;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        const int status = Run(args);
        if (status == 2) std::cerr << kUsage << '\n';
        return status;
    } catch (const EOlderSkinFile& e) {
        // The message is meant for a message box; keep the report on one line.
        std::string text = e.what();
        std::replace(text.begin(), text.end(), '\r', ' ');
        std::cerr << "skintool: " << text << '\n';
    } catch (const std::exception& e) {
        std::cerr << "skintool: " << e.what() << '\n';
    }
    return 1;
}
