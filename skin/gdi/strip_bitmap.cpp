// Skin pictures as DIB sections with their key masks.
#include "strip_bitmap.h"

#include "image_ops.h"

TStripBitmap::TStripBitmap(const TPixelImage& image) : colour_(image), mask_(colour_, kKeyColor) {}
