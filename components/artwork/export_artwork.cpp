// Writes the program's pictures as bitmap files, to look at them or to
// hand them to a designer: LuneaDesktopSkin.bmp and one file per image set.
// The native build runs it into build/native/artwork.

#include "components/bmp_file.h"
#include "components/desktop_skin.h"
#include "components/image_sets.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    using namespace lunea;
    const std::string folder = argc > 1 ? std::string(argv[1]) + "/" : std::string();
    const struct {
        const char* name;
        ImageSetId id;
    } sets[] = {{"Icons", ImageSetId::Icons},
                {"Status", ImageSetId::Status},
                {"Bells", ImageSetId::Bells},
                {"Glyphs", ImageSetId::Glyphs},
                {"PageButtons", ImageSetId::PageButtons},
                {"TempScale", ImageSetId::TempScale},
                {"TempDigits", ImageSetId::TempDigits},
                {"IconKinds", ImageSetId::IconKinds},
                {"Users", ImageSetId::Users}};
    bool written = SaveBmp(folder + "LuneaDesktopSkin.bmp", PaintDesktopSkin());
    for (const auto& set : sets)
        written = SaveBmp(folder + set.name + ".bmp", GetImageSet(set.id).strip) && written;
    if (!written)
        std::fprintf(stderr, "could not write every picture into '%s'\n", folder.c_str());
    return written ? 0 : 1;
}
