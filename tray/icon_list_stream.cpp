// Reading and writing the stored form of an icon list.
#include "tray/icon_list_stream.h"

#include "ui/le_bytes.h"

namespace tray {

namespace {

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> data) : data_(data) {}

    std::uint32_t U32() { return ui::GetU32(Take(4), 0); }
    std::span<const std::uint8_t> Take(std::size_t n) {
        if (n > data_.size() - pos_) throw EIconListFormat("icon list ends early");
        const auto piece = data_.subspan(pos_, n);
        pos_ += n;
        return piece;
    }
    std::size_t Left() const { return data_.size() - pos_; }

private:
    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
};

} // namespace

std::vector<std::uint8_t> EncodeIconList(const std::vector<IconBytes>& icons) {
    std::vector<std::uint8_t> out;
    ui::PutU32(out, static_cast<std::uint32_t>(icons.size()));
    for (const auto& icon : icons) {
        ui::PutU32(out, static_cast<std::uint32_t>(icon.size()));
        out.insert(out.end(), icon.begin(), icon.end());
    }
    return out;
}

std::vector<IconBytes> DecodeIconList(std::span<const std::uint8_t> data) {
    Reader in(data);
    const std::uint32_t count = in.U32();
    // Each icon needs at least its size field: a count beyond that is a lie we must not
    // reserve memory for.
    if (count > in.Left() / 4) throw EIconListFormat("icon list count exceeds its data");
    std::vector<IconBytes> icons;
    icons.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const auto bytes = in.Take(in.U32());
        icons.emplace_back(bytes.begin(), bytes.end());
    }
    return icons;
}

} // namespace tray
