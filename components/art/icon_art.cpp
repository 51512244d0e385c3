// The 16 x 16 calendar pictures and the 12 x 12 button glyphs, drawn as
// pixel art.

#include "components/art/artwork_builders.h"
#include "components/art/char_map_art.h"

namespace lunea {
namespace {

PixelImage Recolour(PixelImage image, std::initializer_list<std::pair<Color, Color>> changes) {
    for (Color& pixel : image.pixels)
        for (const auto& [from, to] : changes)
            if (pixel == from) {
                pixel = to;
                break;
            }
    return image;
}

Color Art(char letter) {
    for (const PaletteEntry& entry : ArtPalette())
        if (entry.letter == letter)
            return entry.color;
    return kMaskColor;
}

PixelImage PenPicture() {
    return PaintCharMap({
        "............kk..",
        "...........kppk.",
        "..........kpppk.",
        ".........kGGpk..",
        "........kyGGk...",
        ".......kyyok....",
        "......kyyok.....",
        ".....kyyok......",
        "....kyyok.......",
        "...kyyok........",
        "...ktok.........",
        "..kttk..........",
        "..kdk...........",
        "..kk............",
        "................",
        "................",
    });
}

PixelImage Thermometer() {
    return PaintCharMap({
        "......kkk.......",
        ".....kwwwk......",
        ".....kwwwk.kk...",
        ".....kwrwk......",
        ".....kwrwk.kk...",
        ".....kwrwk......",
        ".....kwrwk.kk...",
        ".....kwrwk......",
        ".....kwrwk.kk...",
        ".....kwrwk......",
        "....kkrrrkk.....",
        "...krrrrrrrk....",
        "...krwrrrrrk....",
        "...krrrrrrrk....",
        "....krrrrrk.....",
        ".....kkkkk......",
    });
}

PixelImage SmilingFace() {
    return PaintCharMap({
        "................",
        ".....kkkkkk.....",
        "...kkyyyyyykk...",
        "..kyyyyyyyyyyk..",
        ".kyyyyyyyyyyyyk.",
        ".kyyykyyyykyyyk.",
        "kyyyykyyyykyyyyk",
        "kyyyykyyyykyyyyk",
        "kyyyyyyyyyyyyyyk",
        "kyykyyyyyyyykyyk",
        "kyyykyyyyyykyyyk",
        ".kyyykkkkkkyyyk.",
        ".kyyyyyyyyyyyyk.",
        "..kyyyyyyyyyyk..",
        "...kkyyyyyykk...",
        ".....kkkkkk.....",
    });
}

PixelImage Heart() {
    return PaintCharMap({
        "................",
        "..RRRR....RRRR..",
        ".RrrrrR..RrrrrR.",
        "RrrwwrrRRrrrrrrR",
        "RrwwrrrrrrrrrrrR",
        "RrwrrrrrrrrrrrrR",
        "RrrrrrrrrrrrrrrR",
        "RrrrrrrrrrrrrrrR",
        ".RrrrrrrrrrrrrR.",
        "..RrrrrrrrrrrR..",
        "...RrrrrrrrrR...",
        "....RrrrrrrR....",
        ".....RrrrrR.....",
        "......RrrR......",
        ".......RR.......",
        "................",
    });
}

PixelImage Lightning() {
    return PaintCharMap({
        "........kkkkkk..",
        ".......kyyyyyk..",
        "......kyyyyyk...",
        ".....kyyyyyk....",
        "....kyyyyyk.....",
        "...kyyyyyykkkk..",
        "..kyyyyyyyyyyk..",
        "..kkkkkkyyyyk...",
        ".......kyyyk....",
        "......kyyyk.....",
        ".....kyyyk......",
        ".....kyyk.......",
        "....kyyk........",
        "....kyk.........",
        "...kyk..........",
        "...kk...........",
    });
}

PixelImage Face() {
    return PaintCharMap({
        "................",
        ".....hhhhhh.....",
        "...hhhhhhhhhh...",
        "..hhhhhhhhhhhh..",
        ".hhhhffhhffhhhh.",
        ".hhffffffffffhh.",
        ".hffkkffffkkffh.",
        ".hffffffffffffh.",
        ".hfffffFffffffh.",
        ".hfffffFFfffffh.",
        "..fffffffffffF..",
        "..FfffkkkkfffF..",
        "...FffffffffF...",
        "....FFffffFF....",
        "......FFFF......",
        "................",
    });
}

PixelImage RedSpiral() {
    return PaintCharMap({
        "................",
        "......rrrrr.....",
        "....rrrRRRrrr...",
        "...rr.......rr..",
        "..rr..rrrrr..rr.",
        "..r..rr...rr..r.",
        ".rr.rr.....r..rr",
        ".r..r..rr..rr..r",
        ".r..r..r.r..r..r",
        ".r..rr....r.r..r",
        ".rr..rr..rr.r.rr",
        "..r...rrrr..r.r.",
        "..rr.......rr.r.",
        "...rrr...rrr.rr.",
        ".....rrrrr..rr..",
        "................",
    });
}

// The boy and girl marks can fall on the same day and are then drawn into
// the same slot: the blue dot sits in the left half, the red dot in the
// right half, so both stay visible.
PixelImage Dot(char fill, char rim, int left) {
    const PixelImage dot = PaintCharMap({
        "..oooo..",
        ".owwffo.",
        "owwffffo",
        "owfffffo",
        "offffffo",
        "offffffo",
        ".offffo.",
        "..oooo..",
    });
    PixelImage image(16, 16, kMaskColor);
    for (int y = 0; y < dot.height; ++y)
        for (int x = 0; x < dot.width; ++x)
            image.At(left + x, 4 + y) = dot.At(x, y);
    return Recolour(std::move(image), {{Art('o'), Art(rim)}, {Art('f'), Art(fill)}});
}

// Status 1 to 3 are the same drop at three sizes.
PixelImage SmallDrop() {
    return PaintCharMap({
        "................",
        "................",
        "................",
        "................",
        "................",
        ".......RR.......",
        ".......RR.......",
        "......RrrR......",
        ".....RrrrrR.....",
        ".....RwrrrR.....",
        ".....RrrrrR.....",
        "......RrrR......",
        ".......RR.......",
        "................",
        "................",
        "................",
    });
}

PixelImage MediumDrop() {
    return PaintCharMap({
        "................",
        "................",
        "................",
        ".......RR.......",
        ".......RR.......",
        "......RrrR......",
        "......RrrR......",
        ".....RrrrrR.....",
        "....RrrrrrrR....",
        "....RwrrrrrR....",
        "...RrwrrrrrrR...",
        "...RrrrrrrrrR...",
        "....RrrrrrrR....",
        ".....RRRRRR.....",
        "................",
        "................",
    });
}

PixelImage Drop(char fill, char rim, char shine) {
    PixelImage image = PaintCharMap({
        ".......RR.......",
        ".......RR.......",
        "......RrrR......",
        "......RrrR......",
        ".....RrrrrR.....",
        ".....RrrrrR.....",
        "....RrrrrrrR....",
        "...RrrrrrrrrR...",
        "...RrwrrrrrrR...",
        "..RrwwrrrrrrrR..",
        "..RrwrrrrrrrrR..",
        "..RrrrrrrrrrrR..",
        "..RrrrrrrrrrrR..",
        "...RrrrrrrrrR...",
        "....RrrrrrrR....",
        ".....RRRRRR.....",
    });
    return Recolour(std::move(image),
                    {{Art('R'), Art(rim)}, {Art('r'), Art(fill)}, {Art('w'), Art(shine)}});
}

PixelImage RedDashes() {
    return PaintCharMap({
        "................",
        "................",
        "................",
        "..rrrr....rrrr..",
        "..RRRR....RRRR..",
        "................",
        "................",
        "......rrrr......",
        "......RRRR......",
        "................",
        "................",
        "..rrrr....rrrr..",
        "..RRRR....RRRR..",
        "................",
        "................",
        "................",
    });
}

PixelImage YellowBlob() {
    return PaintCharMap({
        "................",
        "................",
        "......YYYY......",
        "....YYyyyyYY....",
        "...YyyyyyyyyY...",
        "..YyywyyyyyyYYY.",
        "..YywwyyyyyyyyY.",
        ".YyyyyyyyyyyyyY.",
        ".YyyyyyyyyyyyyY.",
        "..YyyyyyyyyyyY..",
        "..YyyyyyyyyyY...",
        "...YYyyyyyyyY...",
        ".....YYYyyyY....",
        "........YYY.....",
        "................",
        "................",
    });
}

PixelImage Bell(char body, char shade, char rim) {
    PixelImage image = PaintCharMap({
        ".......kk.......",
        "......kyyk......",
        ".....kyyyYk.....",
        "....kywyyyYk....",
        "....kywyyyYk....",
        "...kyywyyyyYk...",
        "...kyywyyyyYk...",
        "...kyyyyyyyYk...",
        "..kyyyyyyyyyYk..",
        "..kyyyyyyyyyYk..",
        ".kyyyyyyyyyyyYk.",
        "kyyyyyyyyyyyyyYk",
        "kkkkkkkkkkkkkkkk",
        "......kYYk......",
        ".......kk.......",
        "................",
    });
    return Recolour(std::move(image),
                    {{Art('y'), Art(body)}, {Art('Y'), Art(shade)}, {Art('k'), Art(rim)}});
}

PixelImage HelpGlyph() {
    return PaintCharMap({
        "............",
        "....nnnn....",
        "...nn..nn...",
        "...nn..nn...",
        ".......nn...",
        "......nn....",
        ".....nn.....",
        ".....nn.....",
        "............",
        ".....nn.....",
        ".....nn.....",
        "............",
    });
}

PixelImage MinimizeGlyph() {
    return PaintCharMap({
        "............",
        "............",
        "............",
        "............",
        "............",
        "............",
        "............",
        "............",
        "..nnnnnnnn..",
        "..nnnnnnnn..",
        "............",
        "............",
    });
}

PixelImage CloseGlyph() {
    return PaintCharMap({
        "............",
        "............",
        "..nn....nn..",
        "...nn..nn...",
        "....nnnn....",
        ".....nn.....",
        "....nnnn....",
        "...nn..nn...",
        "..nn....nn..",
        "............",
        "............",
        "............",
    });
}

PixelImage LeftGlyph() {
    return PaintCharMap({
        "............",
        "............",
        ".......n....",
        "......nn....",
        ".....nnn....",
        "....nnnn....",
        "....nnnn....",
        ".....nnn....",
        "......nn....",
        ".......n....",
        "............",
        "............",
    });
}

PixelImage RightGlyph() {
    return PaintCharMap({
        "............",
        "............",
        "....n.......",
        "....nn......",
        "....nnn.....",
        "....nnnn....",
        "....nnnn....",
        "....nnn.....",
        "....nn......",
        "....n.......",
        "............",
        "............",
    });
}

PixelImage DownGlyph() {
    return PaintCharMap({
        "............",
        "............",
        "............",
        "............",
        "..nnnnnnnn..",
        "...nnnnnn...",
        "....nnnn....",
        ".....nn.....",
        "............",
        "............",
        "............",
        "............",
    });
}

} // namespace

ImageSet BuildIconSet() {
    return StackImages({PenPicture(), Thermometer(), SmilingFace(), Heart(), Lightning(), Face(),
                        RedSpiral(), Dot('b', 'B', 0), Dot('r', 'R', 8)});
}

ImageSet BuildIconKindSet() {
    PixelImage bothDots = Dot('b', 'B', 0);
    const PixelImage redDot = Dot('r', 'R', 8);
    for (std::size_t i = 0; i < bothDots.pixels.size(); ++i)
        if (redDot.pixels[i] != kMaskColor)
            bothDots.pixels[i] = redDot.pixels[i];
    return StackImages({PixelImage(16, 16, kMaskColor), RedSpiral(), MediumDrop(),
                        Bell('y', 'Y', 'k'), Thermometer(), SmilingFace(), Heart(), PenPicture(),
                        Lightning(), Face(), bothDots});
}

ImageSet BuildStatusSet() {
    return StackImages({PixelImage(16, 16, kMaskColor), SmallDrop(), MediumDrop(),
                        Drop('r', 'R', 'w'), RedDashes(), YellowBlob(), Drop('c', 'C', 'w')});
}

ImageSet BuildBellSet() {
    return StackImages({Bell('y', 'Y', 'k'), Bell('G', 'g', 'd')});
}

ImageSet BuildGlyphSet() {
    return StackImages(
        {HelpGlyph(), MinimizeGlyph(), CloseGlyph(), LeftGlyph(), RightGlyph(), DownGlyph()});
}

} // namespace lunea
