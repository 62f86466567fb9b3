// A skin from untrusted bytes never crashes and never reads or writes out of bounds. The first
// byte picks the layer the rest is fed to, so the fuzzer reaches every one without having to
// get through the compression first: 0 the whole load from a compressed skin stream, 1 a
// decompressed archive into elements and the elements' pictures at denser displays, 2 one bitmap
// file.
#include "skin/model/bmp_image.h"
#include "skin/model/scaled_pictures.h"
#include "skin/model/skin_archive.h"
#include "skin/model/skin_catalogue.h"
#include "skin/model/skin_data_core.h"
#include "skin/model/skin_error.h"
#include "skin/model/skin_geometry.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::span<const std::uint8_t> rest(data + 1, size - 1);
    switch (data[0] % 3) {
    case 0: {
        // Streams that declare more than a real skin decode for seconds out of a few bytes; the
        // size limit itself is the codec's to fuzz.
        if (rest.size() >= 4 && (rest[3] != 0 || rest[2] > 0x10)) return 0;
        TSkinDataCore skin;
        skin.Inputs.Track = TPixelImage(12, 6, 0x808080);
        skin.SetSkinStream({rest.begin(), rest.end()});
        skin.LoadSkin();
        // The larger copies, read from the rest of the stream after the load.
        for (const TNamedElement& named : ListSkinElements(skin.Elements()))
            named.Element->Image2x.Get();
        break;
    }
    case 1: {
        TSkinReader reader;
        try {
            reader.OpenDecoded({rest.begin(), rest.end()});
        } catch (const ESkinError&) {
            return 0;
        }
        TSkinElements elements;
        LoadSkinElements(elements, std::make_shared<TSkinReader>(std::move(reader)), {});
        // The scaling rules meet the skin's own frame counts, margins and larger copies; large
        // pictures only slow the run down.
        for (const TNamedElement& named : ListSkinElements(elements)) {
            const TDataSkinObject& o = *named.Element;
            if (o.Image.Pixels.size() > 4096) continue;
            for (const bool stacked : {false, true})
                for (const int dpi : {120, 144, 192})
                    PictureAtDpi(o.Image, o.Image2x, {o.Frame, stacked, MarginsOf(o)}, dpi);
        }
        break;
    }
    default:
        DecodeBmp(rest);
        break;
    }
    return 0;
}
