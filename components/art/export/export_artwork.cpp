// Writes the program's pictures as bitmap files, to look at them or to
// hand them to a designer: LuneaDesktopSkin.bmp and one file per image set.
// The native build runs it into build/native/artwork.

#include "components/art/artwork_builders.h"
#include "components/canvas/bmp_file.h"
#include "components/art/desktop_skin.h"
#include "components/art/image_sets.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    using namespace lunea;
    const std::string folder = argc > 1 ? std::string(argv[1]) + "/" : std::string();
    bool written = SaveBmp(folder + "LuneaDesktopSkin.bmp", PaintDesktopSkin());
    for (const ImageSetBuilder& set : kImageSetBuilders)
        written = SaveBmp(folder + set.fileName + ".bmp", GetImageSet(set.id).strip) && written;
    if (!written)
        std::fprintf(stderr, "could not write every picture into '%s'\n", folder.c_str());
    return written ? 0 : 1;
}
