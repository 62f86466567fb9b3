// A made-up skin with every section the element model reads, shaped like a real one: a 7 KB ini
// and 32 images of about 750 KB together (scale 1), or a tiny one for fuzz seeds (scale 0).
#pragma once

#include "skin_archive.h"

#include <vector>

std::vector<SkinArchiveEntry> GeneratedSkin(int scale);
