// The users menu's pictures: the desktop's own user, a handheld owner
// (the same person with a handheld) and the transfer item's two arrows.

#include "components/art/artwork_builders.h"
#include "components/art/char_map_art.h"

namespace lunea {
namespace {

PixelImage Person() {
    return PaintCharMap({
        "................",
        "......kkkk......",
        ".....khhhhk.....",
        "....khhhhhhk....",
        "....kffffffk....",
        "....kfkffkfk....",
        "....kffffffk....",
        ".....kffffk.....",
        "......kffk......",
        "...kkkbbbbkkk...",
        "..kbbbbbbbbbbk..",
        ".kbbbbbbbbbbbbk.",
        ".kbbbbbbbbbbbbk.",
        ".kbbbbbbbbbbbbk.",
        ".kkkkkkkkkkkkkk.",
        "................",
    });
}

PixelImage PersonWithHandheld() {
    PixelImage image = Person();
    const PixelImage handheld = PaintCharMap({
        "kkkkkk",
        "kGGGGk",
        "kcccck",
        "kcccck",
        "kcccck",
        "kGGGGk",
        "kGdGGk",
        "kGGGGk",
        "kkkkkk",
    });
    for (int y = 0; y < handheld.height; ++y)
        for (int x = 0; x < handheld.width; ++x)
            image.At(10 + x, 6 + y) = handheld.At(x, y);
    return image;
}

PixelImage TransferArrows() {
    return PaintCharMap({
        ".........E......",
        ".........EeE....",
        ".EEEEEEEEEeeE...",
        ".EeeeeeeeeeeeE..",
        ".EEEEEEEEEeeE...",
        ".........EeE....",
        ".........E......",
        "................",
        "......B.........",
        "....BbB.........",
        "...BbbBBBBBBBBB.",
        "..BbbbbbbbbbbbB.",
        "...BbbBBBBBBBBB.",
        "....BbB.........",
        "......B.........",
        "................",
    });
}

} // namespace

ImageSet BuildUserSet() {
    return StackImages({Person(), PersonWithHandheld(), TransferArrows()});
}

} // namespace lunea
