// Progress fill and chunks, track-bar custom draw and channel, up-down halves and states.
#include "skin/controls/values/value_rules.h"

#include <algorithm>
#include <cstdint>

namespace {

// The system's progress bar keeps its border clear of the fill.
constexpr int kChunkBorder = 2;
// An up-down inside an edit keeps this far from the edit's outer edges.
constexpr int kEmbeddedInset = 3;
// The largest arrow drawn without a skin picture, in lines.
constexpr int kArrowLines = 4;

} // namespace

int ProgressStripFrames(int style, int elementFrames) {
    return style == kProgressChunkStyle ? elementFrames : 2;
}

int ProgressFillLength(int length, int pos, int min, int max) {
    if (length <= 0 || max <= min) return 0;
    // Wide, so a range spanning the whole of int neither overflows nor loses its share.
    const std::int64_t span = std::int64_t{max} - min;
    const std::int64_t done = std::int64_t{std::clamp(pos, min, max)} - min;
    // Rounded half up, as the system's MulDiv rounds.
    return static_cast<int>((2 * std::int64_t{length} * done + span) / (2 * span));
}

TChunkLayout ProgressChunkLayout(const TChunkInputs& in) {
    TChunkLayout out;
    out.Tiled = in.Tile;
    if (in.Tile) {
        const int start = std::max(in.ChunkLeftWidth, 0) + kChunkBorder;
        const int fill =
            ProgressFillLength(in.Width - kChunkBorder - start, in.Pos, in.Min, in.Max);
        if (fill <= 0 || in.Height <= 0 || in.ChunkHeight <= 0) return out;
        const int top = (in.Height - in.ChunkHeight) / 2;
        out.Target = {start, top, start + fill, top + in.ChunkHeight};
        out.Copies = fill / std::max(in.ChunkWidth, 1) + 1;
        return out;
    }
    const int fill = ProgressFillLength(in.Width - 2 * kChunkBorder, in.Pos, in.Min, in.Max);
    if (fill <= 0 || in.Height - 2 * kChunkBorder <= 0) return out;
    out.Target = {kChunkBorder, kChunkBorder, kChunkBorder + fill, in.Height - kChunkBorder};
    return out;
}

std::optional<TTrackDrawAnswer> TrackBarCustomDraw(unsigned stage, unsigned item,
                                                   bool channelPicture, bool thumbPicture,
                                                   bool ticColour) {
    if (stage == kCdPrePaint) return TTrackDrawAnswer{kCdNotifyItemDraw, TTrackPaint::Nothing};
    if (stage == kCdItemPostPaint && item == kTrackTics && ticColour)
        return TTrackDrawAnswer{kCdDoDefault, TTrackPaint::TicColour};
    if (stage != kCdItemPrePaint) return std::nullopt;
    switch (item) {
    case kTrackTics:
        return TTrackDrawAnswer{ticColour ? kCdNotifyPostPaint : kCdDoDefault, TTrackPaint::Nothing};
    case kTrackThumb:
        if (thumbPicture) return TTrackDrawAnswer{kCdSkipDefault, TTrackPaint::Thumb};
        if (channelPicture) return TTrackDrawAnswer{kCdSkipDefault, TTrackPaint::ThumbOutline};
        return TTrackDrawAnswer{kCdDoDefault, TTrackPaint::Nothing};
    case kTrackChannel:
        if (channelPicture) return TTrackDrawAnswer{kCdSkipDefault, TTrackPaint::Channel};
        return TTrackDrawAnswer{kCdDoDefault, TTrackPaint::Nothing};
    default:
        return std::nullopt;
    }
}

TPixelRect TrackChannelRect(TPixelRect r, bool vertical) {
    if (vertical && r.Right - r.Left > r.Bottom - r.Top) return {r.Top, r.Left, r.Bottom, r.Right};
    return r;
}

TPixelRect TrackPictureRect(TPixelRect channel, int thickness, bool vertical) {
    TPixelRect r = channel;
    if (vertical) {
        const int room = channel.Right - channel.Left;
        if (thickness > 0 && thickness < room) {
            r.Left = channel.Left + (room - thickness) / 2;
            r.Right = r.Left + thickness;
        }
    } else {
        const int room = channel.Bottom - channel.Top;
        if (thickness > 0 && thickness < room) {
            r.Top = channel.Top + (room - thickness) / 2;
            r.Bottom = r.Top + thickness;
        }
    }
    return r;
}

TUpDownHalves UpDownHalves(TPixelRect r, bool horizontal) {
    if (horizontal) {
        const int split = r.Left + (r.Right - r.Left) / 2;
        return {{r.Left, r.Top, split, r.Bottom}, {split, r.Top, r.Right, r.Bottom}};
    }
    const int split = r.Top + (r.Bottom - r.Top) / 2;
    return {{r.Left, r.Top, r.Right, split}, {r.Left, split, r.Right, r.Bottom}};
}

int UpDownHalfAt(const TUpDownHalves& halves, int x, int y) {
    auto inside = [&](const TPixelRect& r) {
        return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
    };
    if (inside(halves.First)) return 0;
    if (inside(halves.Second)) return 1;
    return -1;
}

TUpDownStates UpDownHalfStates(bool enabled, bool pressed, bool hot, int halfUnderCursor) {
    if (!enabled) return {3, 3};
    const int under = pressed ? 2 : hot ? 4 : 1;
    TUpDownStates s;
    if (halfUnderCursor == 0) s.First = under;
    if (halfUnderCursor == 1) s.Second = under;
    return s;
}

TPixelRect EmbeddedUpDownRect(TPixelRect r, TPixelRect window, TPixelRect parent) {
    if (const int gap = window.Top - parent.Top; gap < kEmbeddedInset)
        r.Top += kEmbeddedInset - gap;
    if (const int gap = parent.Bottom - window.Bottom; gap < kEmbeddedInset)
        r.Bottom -= kEmbeddedInset - gap;
    if (const int gap = parent.Right - window.Right; gap < kEmbeddedInset)
        r.Right -= kEmbeddedInset - gap;
    r.Bottom = std::max(r.Bottom, r.Top);
    r.Right = std::max(r.Right, r.Left);
    return r;
}

std::vector<TPixelRect> UpDownArrowLines(TPixelRect half, TArrowDirection direction) {
    const int width = half.Right - half.Left, height = half.Bottom - half.Top;
    const int lines = std::clamp((std::min(width, height) - 2) / 2, 1, kArrowLines);
    const int cx = half.Left + width / 2, cy = half.Top + height / 2;
    std::vector<TPixelRect> out;
    for (int i = 0; i < lines; ++i) {
        switch (direction) {
        case TArrowDirection::Up: // the tip on the first row
            out.push_back({cx - i, cy - 2 + i, cx + i + 1, cy - 1 + i});
            break;
        case TArrowDirection::Down: { // the widest row first
            const int reach = lines - 1 - i;
            out.push_back({cx - reach, cy - 2 + i, cx + reach + 1, cy - 1 + i});
            break;
        }
        case TArrowDirection::Left: { // the tip in the first column, centred on the centre
            const int x = cx - lines / 2 + i;
            out.push_back({x, cy - i, x + 1, cy + i + 1});
            break;
        }
        case TArrowDirection::Right: {
            const int x = cx - lines / 2 + i, reach = lines - 1 - i;
            out.push_back({x, cy - reach, x + 1, cy + reach + 1});
            break;
        }
        }
    }
    return out;
}
