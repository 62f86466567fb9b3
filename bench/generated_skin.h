// A made-up skin with every section the element model reads, shaped like a real one: a 7 KB ini
// and 32 images of about 750 KB together (scale 1), or a tiny one for fuzz seeds (scale 0).
#pragma once

#include "skin/model/skin_archive.h"

#include <vector>

std::vector<SkinArchiveEntry> GeneratedSkin(int scale);

// Skins made to cost a careless loader dearly, each some tens of kilobytes packed: one highly
// compressible 4096 x 4096 bitmap (1 bit per pixel) named by `references` caption-button
// sections; and `sections` caption-button sections of a few keys each, without images.
std::vector<SkinArchiveEntry> LargeImageSkin(int references);
std::vector<SkinArchiveEntry> ManySectionsSkin(int sections);
