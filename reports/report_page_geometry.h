#pragma once
// Where the printed report puts its title, its picture and its notes, in
// printer pixels: the title centred one title height from the top, the
// picture three title heights down between margins of 8 % of the page width.

#include "components/canvas/canvas.h"

#include <optional>

namespace lunea {

struct ReportPageMeasures {
    int pageWidth = 0; // the printable area
    int pageHeight = 0;
    int titleHeight = 0; // of "X" in the title's font
    int titleWidth = 0;
    int pictureWidth = 0; // the picture's own pixels
    int pictureHeight = 0;
};

struct ReportPageLayout {
    Point title; // where the title's text starts
    Rect picture;
};

// The picture keeps its proportions unless that would run it off the
// bottom of the page: it is then squeezed to the height that is left.
// Nothing for an empty picture or page.
std::optional<ReportPageLayout> LayOutReportPage(const ReportPageMeasures& measures);

// How many lines of that height the notes printout puts on a page, from the
// top, before the next would run off its bottom; at least one, so a line
// taller than the page still moves the printout on.
int LinesPerPage(int pageHeight, int lineHeight);

} // namespace lunea
