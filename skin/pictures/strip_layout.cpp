// Cells of a strip and the pieces of the nine-grid and three-slice fits.
#include "skin/pictures/strip_layout.h"

#include <algorithm>

namespace {

bool Empty(TPixelRect r) {
    return r.Right <= r.Left || r.Bottom <= r.Top;
}

TPixelRect Intersect(TPixelRect a, TPixelRect b) {
    return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
}

// Collects the pieces of a fit of `cell` into width x height, their sources given relative to
// the cell and cut to it.
class TPieceList {
public:
    TPieceList(int width, int height, TPixelRect cell)
        : W(width), H(height), CW(cell.Right - cell.Left), CH(cell.Bottom - cell.Top), cell_(cell) {
    }
    // Nothing to fit: an empty target or cell.
    bool None() const { return W <= 0 || H <= 0 || Empty(cell_); }
    void Add(TPixelRect target, TPixelRect source, TPieceFill fill = TPieceFill::Stretch) {
        source = Intersect({source.Left + cell_.Left, source.Top + cell_.Top,
                            source.Right + cell_.Left, source.Bottom + cell_.Top},
                           cell_);
        if (!Empty(target) && !Empty(source)) pieces_.push_back({target, source, fill});
    }
    std::vector<TPiece> Take() { return std::move(pieces_); }

    const int W, H;   // the target's size
    const int CW, CH; // the cell's size

private:
    TPixelRect cell_;
    std::vector<TPiece> pieces_;
};

} // namespace

TPixelRect StripCell(int width, int height, int frames, int frame, bool stacked) {
    if (frames <= 0 || frame < 1 || frame > frames) return {};
    if (stacked) {
        const int h = height / frames;
        return {0, (frame - 1) * h, width, frame * h};
    }
    const int w = width / frames;
    return {(frame - 1) * w, 0, frame * w, height};
}

std::vector<TPiece> NineGridPieces(int width, int height, TPixelRect cell, TMargins m,
                                   bool tileMiddle) {
    TPieceList pieces(width, height, cell);
    if (pieces.None()) return pieces.Take();
    const int W = pieces.W, H = pieces.H, cw = pieces.CW, ch = pieces.CH;
    int l = std::max(m.Left, 0), t = std::max(m.Top, 0);
    int r = std::max(m.Right, 0), b = std::max(m.Bottom, 0);
    // Compared in 64 bits: margins come from the skin.
    if (W < std::int64_t{l} + r) l = r = 0;
    if (H < std::int64_t{t} + b) t = b = 0;
    pieces.Add({0, 0, l, t}, {0, 0, l, t});
    pieces.Add({0, H - b, l, H}, {0, ch - b, l, ch});
    pieces.Add({W - r, 0, W, t}, {cw - r, 0, cw, t});
    pieces.Add({0, t, l, H - b}, {0, t, l, ch - b});
    pieces.Add({l, 0, W - r, t}, {l, 0, cw - r, t});
    pieces.Add({l, t, W - r, H - b}, {l, t, cw - r, ch - b},
               tileMiddle ? TPieceFill::Tile : TPieceFill::Stretch);
    // Painted after the middle, so a tile running past it is covered.
    pieces.Add({W - r, H - b, W, H}, {cw - r, ch - b, cw, ch});
    pieces.Add({W - r, t, W, H - b}, {cw - r, t, cw, ch - b});
    pieces.Add({l, H - b, W - r, H}, {l, ch - b, cw - r, ch});
    return pieces.Take();
}

std::vector<TPiece> ThreeSlicePieces(int width, int height, TPixelRect cell, int left, int right) {
    TPieceList pieces(width, height, cell);
    if (pieces.None()) return pieces.Take();
    const int W = pieces.W, H = pieces.H, cw = pieces.CW, ch = pieces.CH;
    const int l = std::max(left, 0), r = std::max(right, 0);
    pieces.Add({0, 0, l, H}, {0, 0, l, ch});
    const int middle = cw - l - r;
    if (middle > 0) {
        for (int x = l; x < W - r; x += middle) {
            const int w = std::min(middle, W - r - x);
            pieces.Add({x, 0, x + w, H}, {l, 0, l + w, ch});
        }
    }
    pieces.Add({W - r, 0, W, H}, {cw - r, 0, cw, ch});
    return pieces.Take();
}

std::vector<TPiece> ThreeSliceStretchPieces(int width, int height, TPixelRect cell, int left,
                                            int right) {
    TPieceList pieces(width, height, cell);
    if (pieces.None()) return pieces.Take();
    const int W = pieces.W, H = pieces.H, cw = pieces.CW, ch = pieces.CH;
    if (W < cw) {
        pieces.Add({0, 0, W, H}, {0, 0, cw, ch});
        return pieces.Take();
    }
    const int l = std::max(left, 0), r = std::max(right, 0);
    pieces.Add({0, 0, l, H}, {0, 0, l, ch});
    pieces.Add({l, 0, W - r, H}, {l, 0, cw - r, ch});
    pieces.Add({W - r, 0, W, H}, {cw - r, 0, cw, ch});
    return pieces.Take();
}

TPixelRect CentredRect(TPixelRect target, int width, int height) {
    const int x = target.Left + (target.Right - target.Left - width) / 2;
    const int y = target.Top + (target.Bottom - target.Top - height) / 2;
    return {x, y, x + width, y + height};
}
