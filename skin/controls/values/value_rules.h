// The rules of the skinned value controls that need no window: how far a progress bar is
// filled and where its chunks go, how a track bar answers its custom-draw notifications and
// where its channel picture goes, and the two halves of an up-down control with the state and
// frame each shows.
#pragma once

#include "skin/pictures/pixel_image.h"

#include <optional>
#include <vector>

// ---- Progress bars.

// The `Progress` style that draws chunks; any other fills the bar.
constexpr int kProgressChunkStyle = 1;
// How many frames the bar's `Progress` strip is cut into: a filling bar always takes background
// and fill from two, whatever the element says (the loader gives styles other than 0 one
// frame); a chunked bar draws its background from the element's frames.
int ProgressStripFrames(int style, int elementFrames);

// How many of `length` pixels a bar whose range is min..max shows filled at `pos`: the share of
// the range up to `pos` (kept inside the range), none for an empty or reversed range.
int ProgressFillLength(int length, int pos, int min, int max);

// Where the chunk picture of a chunked bar goes on a width x height bar. Tiled chunks (the
// chunk's Tile 1) are repeated side by side, `Copies` of them, from x = the chunk's LeftWidth
// + 2, centred down the bar; otherwise one chunk is stretched, with its margins, inside a
// 2-pixel border. Either way the fill runs over the room right of its start less 2 pixels, so
// a full bar ends where the border begins. `Target` is empty when nothing is filled.
struct TChunkLayout {
    TPixelRect Target;
    int Copies = 0; // tiled only
    bool Tiled = false;

    bool operator==(const TChunkLayout&) const = default;
};
struct TChunkInputs {
    int Width = 0; // the bar along its length (a vertical bar is laid out on its side)
    int Height = 0;
    int Pos = 0;
    int Min = 0;
    int Max = 0;
    int ChunkWidth = 0; // one frame of the chunk picture
    int ChunkHeight = 0;
    int ChunkLeftWidth = 0;
    bool Tile = false;
};
TChunkLayout ProgressChunkLayout(const TChunkInputs& in);

// ---- Track bars.

// Custom-draw stages and items the track bar reports (the values of <commctrl.h>).
inline constexpr unsigned kCdPrePaint = 0x1;         // CDDS_PREPAINT
inline constexpr unsigned kCdItemPrePaint = 0x10001; // CDDS_ITEMPREPAINT
inline constexpr unsigned kCdItemPostPaint = 0x10002; // CDDS_ITEMPOSTPAINT
inline constexpr unsigned kTrackTics = 1;            // TBCD_TICS
inline constexpr unsigned kTrackThumb = 2;           // TBCD_THUMB
inline constexpr unsigned kTrackChannel = 3;         // TBCD_CHANNEL
// Answers (CDRF_*).
inline constexpr int kCdDoDefault = 0x0;
inline constexpr int kCdSkipDefault = 0x4;
inline constexpr int kCdNotifyPostPaint = 0x10;
inline constexpr int kCdNotifyItemDraw = 0x20;

// What the skinned track bar paints for one custom-draw notification.
enum class TTrackPaint { Nothing, Channel, Thumb, ThumbOutline, TicColour };
struct TTrackDrawAnswer {
    int Answer = kCdDoDefault;
    TTrackPaint Paint = TTrackPaint::Nothing;

    bool operator==(const TTrackDrawAnswer&) const = default;
};
// The answer to a custom-draw notification, or none where the track bar's own answer stands.
// A part the skin has no picture for is left to the track bar, so a skin without track
// pictures keeps the standard channel and thumb; only a thumb beside a skinned channel is
// drawn as an outline when the skin has no thumb. The tics are the track bar's own, drawn in a
// colour of the system's scheme; where the skin gives that colour (`ticColour`) they are
// recoloured once drawn.
std::optional<TTrackDrawAnswer> TrackBarCustomDraw(unsigned stage, unsigned item,
                                                   bool channelPicture, bool thumbPicture,
                                                   bool ticColour);

// The channel of a track bar as its own axes have it. The system reports the channel of a
// vertical bar with its axes exchanged (as if it lay on its side); a channel that comes back
// wider than tall on a vertical bar is turned back.
TPixelRect TrackChannelRect(TPixelRect reported, bool vertical);

// Where a channel picture `pictureThickness` across goes in `channel`: centred across the
// channel when it is thinner, the channel itself otherwise; always the channel's full length.
TPixelRect TrackPictureRect(TPixelRect channel, int pictureThickness, bool vertical);

// ---- Up-down controls.

// The two halves of an up-down control in `rect`: up and down (split at half the height), or
// left and right (at half the width) when horizontal.
struct TUpDownHalves {
    TPixelRect First;  // up or left
    TPixelRect Second; // down or right

    bool operator==(const TUpDownHalves&) const = default;
};
TUpDownHalves UpDownHalves(TPixelRect rect, bool horizontal);

// Which half a point is on: 0 the first, 1 the second, -1 neither.
int UpDownHalfAt(const TUpDownHalves& halves, int x, int y);

// The state of each half: 3 disabled; else the half under the cursor 2 while pressed, 4 while
// hot, otherwise 1; the other half 1.
struct TUpDownStates {
    int First = 1;
    int Second = 1;

    bool operator==(const TUpDownStates&) const = default;
};
TUpDownStates UpDownHalfStates(bool enabled, bool pressed, bool hot, int halfUnderCursor);

// The frame (from 1) of the 8-frame strip for a half's state: the first half shows frames 1 to
// 4, the second 5 to 8.
inline int UpDownFrame(int state, bool secondHalf) {
    return secondHalf ? state + 4 : state;
}

// An up-down inside an edit draws inside the edit's border: where its top, bottom or right edge
// (`window`, screen coordinates) lies less than 3 pixels inside the parent's (`parent`), that
// edge of `rect` moves inward until it keeps 3 pixels from the parent's edge.
TPixelRect EmbeddedUpDownRect(TPixelRect rect, TPixelRect window, TPixelRect parent);

// The small arrow drawn in a half when the skin has no up-down picture, as one-pixel lines
// (each a rectangle one pixel high or wide), horizontally centred in `half`: the reference point
// of the up and down arrows lies 2 pixels above the vertical centre, that of the left and right
// arrows at the centre.
enum class TArrowDirection { Up, Down, Left, Right };
std::vector<TPixelRect> UpDownArrowLines(TPixelRect half, TArrowDirection direction);
