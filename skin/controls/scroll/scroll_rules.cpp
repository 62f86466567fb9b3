// The rules of a skinned scroll bar: hit test, thumb geometry, drag clamp and the cells painted.
#include "skin/controls/scroll/scroll_rules.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <utility>

int ScrollHitTest(const TScrollAxis& axis, int v) {
    if (v < axis.Arrow) return kScrollFirstArrow;
    if (v < axis.ThumbStart) return kScrollTrackBefore;
    if (v < axis.ThumbEnd) return kScrollThumb;
    if (v < axis.Length - axis.Arrow) return kScrollTrackAfter;
    return kScrollSecondArrow;
}

namespace {

// product / c rounded half away from zero; c is not 0.
std::int64_t RoundedQuotient(std::int64_t product, std::int64_t c) {
    const std::int64_t magnitude = (std::llabs(product) + std::llabs(c) / 2) / std::llabs(c);
    return (product < 0) != (c < 0) ? -magnitude : magnitude;
}

// The share `b` of `c` of a length of `pixels`, rounded as MulDivRound, for b and c as far apart
// as two ints can be (a range, a position within it): all of it in 64 bits, where the int
// differences would overflow. No window is half a billion pixels long, so keeping the length
// below that keeps the product inside 64 bits. -1 when c is 0, as MulDiv answers.
std::int64_t ShareOfLength(std::int64_t pixels, std::int64_t b, std::int64_t c) {
    constexpr std::int64_t kLongest = std::int64_t{1} << 29;
    if (c == 0) return -1;
    return RoundedQuotient(std::clamp(pixels, -kLongest, kLongest) * b, c);
}

} // namespace

int MulDivRound(int a, int b, int c) {
    if (c == 0) return -1;
    const std::int64_t result = RoundedQuotient(static_cast<std::int64_t>(a) * b, c);
    if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min())
        return -1;
    return static_cast<int>(result);
}

TScrollAxis ScrollControlAxis(int length, int arrow, const TScrollValues& v) {
    using Wide = std::int64_t;
    // An empty range would divide by zero: it is taken as one so large the thumb stays put.
    const Wide range = v.Max == v.Min ? 9999999 : Wide{v.Max} - v.Min;
    const Wide moved = Wide{v.Position} - v.Min;
    const int room = length - 2 * arrow;
    // A thumb `thumb` long whose start runs through `span` pixels over `positions` positions;
    // a position outside the range leaves it at the end of its track.
    auto at = [&](int span, int thumb, Wide positions) {
        const Wide share =
            std::clamp(ShareOfLength(span, moved, positions), Wide{0}, Wide{std::max(span, 0)});
        const int start = moved == 0 ? arrow : arrow + static_cast<int>(share);
        return TScrollAxis{length, arrow, start, start + thumb};
    };
    if (v.Page <= 0) return at(length - 3 * arrow, arrow, range);
    const Wide page = v.Page;
    // At most the room: a page larger than the range fills the track.
    const int thumb =
        static_cast<int>(std::min<Wide>(ShareOfLength(room, page - 1, range), std::max(room, 0)));
    if (thumb >= 8) return at(room, thumb, range);
    // The thumb is longer than the page would make it, so the positions up to the last one
    // (Max - Page + 1) share the room it leaves, and the last brings it to the end.
    const Wide last = range - (page - 1);
    return at(room - 8, 8, last > 0 ? last : range);
}

int DraggedThumbStart(const TScrollAxis& axis, int startAtPress, int moved) {
    const int last = axis.Length - axis.Arrow - (axis.ThumbEnd - axis.ThumbStart);
    return std::max(axis.Arrow, std::min(startAtPress + moved, last));
}

int PressOnSystemBar(const TScrollAxis& drawn, const TScrollAxis& system, int v) {
    const int part = ScrollHitTest(drawn, v);
    if (ScrollHitTest(system, v) == part) return v;
    auto middle = [](int from, int to) { return from + (to - from) / 2; };
    const int last = system.Length - system.Arrow;
    switch (part) {
    case kScrollFirstArrow: return middle(0, system.Arrow);
    case kScrollSecondArrow: return middle(last, system.Length);
    case kScrollTrackBefore: return middle(system.Arrow, system.ThumbStart);
    case kScrollTrackAfter: return middle(system.ThumbEnd, last);
    default: return middle(system.ThumbStart, system.ThumbEnd);
    }
}

namespace {

// A rectangle from `from` to `to` along the axis and from `side` to `side + across` across it.
TPixelRect Along(bool vertical, int from, int to, int side, int across) {
    return vertical ? TPixelRect{side, from, side + across, to}
                    : TPixelRect{from, side, to, side + across};
}

// Frames of the 23-frame strip: each arrow has four, each grip three.
constexpr int kLeftArrowFrame = 1, kRightArrowFrame = 5, kUpArrowFrame = 9, kDownArrowFrame = 13;
constexpr int kHorzGripFrame = 17, kVertGripFrame = 20;

int ArrowFrame(const TScrollLook& look, int part, int base) {
    if (look.HitPart != part) return base;
    return base + (look.Pressed ? 1 : 3);
}

// Where a strip cell `size` long goes on a piece from `from` to `to`: the piece, unless the cell
// is a pixel or two longer; then the cell at its size, centred on the piece (to be cut to it).
std::pair<int, int> CellOn(int from, int to, int size) {
    const int piece = to - from;
    if (size <= piece || size > piece + 2) return {from, to};
    const int start = from + (piece - size) / 2;
    return {start, start + size};
}

// A cell of the strip on the piece `piece` of the bar, cut to the piece where it sticks out.
TScrollCell StripCellOn(bool vertical, TPixelRect piece, int size, int frame, bool alongToo) {
    const int along_from = vertical ? piece.Top : piece.Left;
    const int along_to = vertical ? piece.Bottom : piece.Right;
    const int across_from = vertical ? piece.Left : piece.Top;
    const int across_to = vertical ? piece.Right : piece.Bottom;
    const auto along = alongToo ? CellOn(along_from, along_to, size)
                                : std::pair<int, int>{along_from, along_to};
    const auto across = CellOn(across_from, across_to, size);
    TScrollCell cell{Along(vertical, along.first, along.second, across.first,
                           across.second - across.first),
                     frame};
    if (cell.Target != piece) cell.Clip = piece;
    return cell;
}

} // namespace

TScrollPaint ScrollPaintLayout(const TScrollLook& look) {
    const bool v = look.Vertical;
    const int length = v ? look.Height : look.Width;
    const int across = v ? look.Width : look.Height;
    const int thickness = std::min(
        across, std::abs(look.StripSize - look.Arrow) > 2 ? look.Arrow : look.StripSize);
    // A bar shorter than its two arrows gives each arrow half of it.
    const bool short_bar = length < 2 * look.Arrow;
    const int first_end = short_bar ? length / 2 : look.Arrow;
    const int second_start = short_bar ? length / 2 : length - look.Arrow;

    TScrollPaint paint;
    paint.Track = {Along(v, first_end, second_start, 0, across), look.Enabled ? 1 : 3};
    // A bar too short for its arrows squeezes them, as the system does.
    paint.FirstArrow =
        StripCellOn(v, Along(v, 0, first_end, 0, across), look.StripSize,
                    ArrowFrame(look, kScrollFirstArrow, v ? kUpArrowFrame : kLeftArrowFrame),
                    !short_bar);
    paint.SecondArrow =
        StripCellOn(v, Along(v, second_start, length, 0, across), look.StripSize,
                    ArrowFrame(look, kScrollSecondArrow, v ? kDownArrowFrame : kRightArrowFrame),
                    !short_bar);

    const int start = look.ThumbStart, end = look.ThumbEnd;
    if (!look.Enabled || start < 0 || end > length || end <= start) return paint;
    const bool on_thumb = look.HitPart == kScrollThumb;
    paint.Thumb = {Along(v, start, end, 0, thickness), on_thumb ? (look.Pressed ? 2 : 3) : 1};

    const int size = look.StripSize, thumb = end - start;
    if (size >= thumb + 2) return paint;
    const int grip = start + (thumb - size) / 2, side = (thickness - size) / 2;
    // A grip a pixel or two thicker than the thumb goes centred on it, cut to it.
    const bool cut = size > thickness && size <= thickness + 2;
    if (grip < 0 || grip + size > length) return paint;
    if (!cut && (side < 0 || side + size > across)) return paint;
    const int frame =
        (v ? kVertGripFrame : kHorzGripFrame) + (on_thumb ? (look.Pressed ? 1 : 2) : 0);
    paint.Grip = {Along(v, grip, grip + size, side, size), frame};
    if (cut) paint.Grip->Clip = paint.Thumb->Target;
    return paint;
}

int ListThumbPosition(const TListThumbDrag& drag, int moved) {
    using Wide = std::int64_t;
    Wide d = std::max(Wide{0}, Wide{drag.Offset} + moved);
    const Wide room = Wide{drag.Track} - drag.Thumb;
    const Wide min = drag.Min, max = drag.Max, page = drag.Page;
    Wide position;
    if (page > 0) {
        // One pixel past the end reaches the last page, which the proportion falls one short of.
        if (d > room) d = room + 1;
        position = std::min(min + ShareOfLength(d, max - min - page, room), max - page + 1);
    } else {
        // The thumb's start runs through `room` pixels, so that is what the positions share:
        // the thumb at the end of the track shows the last position.
        position = std::min(min + ShareOfLength(std::min(d, room), max - min, room), max);
    }
    // Between Min and Max, so back inside an int.
    return static_cast<int>(std::max(position, min));
}
