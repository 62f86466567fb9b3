// The surfaces the painters compose on, kept from one paint to the next (one set per thread):
// making a DIB section costs far more than drawing on one. Each is at least as large as asked
// (it grows, never shrinks) and holds whatever its last user left there.
#pragma once

#include "skin/gdi/dib.h"

enum class TWorkSurface {
    Picture,  // where a rendered picture is composed before it is copied to its target
    Backdrop, // where a keyed copy meant for a screen DC is done, over a copy of its pixels
};

TDib& WorkDib(TWorkSurface which, int width, int height);
TKeyMask& WorkMask(int width, int height);
