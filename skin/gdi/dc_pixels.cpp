// Reading a device context back into pixels.
#include "skin/gdi/dc_pixels.h"

#include "skin/gdi/dib.h"

TPixelImage ReadPixels(HDC dc, const RECT& rect) {
    TDib copy(rect.right - rect.left, rect.bottom - rect.top);
    if (copy.Empty()) return {};
    BitBlt(copy.Dc(), 0, 0, copy.Width(), copy.Height(), dc, rect.left, rect.top, SRCCOPY);
    return copy.Pixels();
}
