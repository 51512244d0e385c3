#include "reports/report_page_geometry.h"

#include <algorithm>
#include <cstdint>

namespace lunea {
namespace {

// percent % of a non-negative extent, rounded to the nearest pixel.
std::int64_t PercentOf(int extent, int percent) {
    return (std::int64_t{extent} * percent + 50) / 100;
}

bool Measurable(const ReportPageMeasures& m) {
    return m.pageWidth > 0 && m.pageHeight > 0 && m.titleHeight >= 0 && m.titleWidth >= 0 &&
           m.pictureWidth > 0 && m.pictureHeight > 0;
}

} // namespace

std::optional<ReportPageLayout> LayOutReportPage(const ReportPageMeasures& measures) {
    if (!Measurable(measures))
        return std::nullopt;
    // A title too tall for the page leaves no room below it, rather than a
    // picture below the page.
    const std::int64_t top =
        std::min<std::int64_t>(std::int64_t{measures.titleHeight} * 3, measures.pageHeight);
    const std::int64_t left = PercentOf(measures.pageWidth, 8);
    const std::int64_t width = PercentOf(measures.pageWidth, 84);
    const std::int64_t height =
        std::min(std::int64_t{measures.pictureHeight} * width / measures.pictureWidth,
                 measures.pageHeight - top);
    // All of it lies on the page now, whose extents are ints.
    ReportPageLayout layout;
    layout.title = {static_cast<int>((std::int64_t{measures.pageWidth} - measures.titleWidth) / 2),
                    measures.titleHeight};
    layout.picture = {static_cast<int>(left), static_cast<int>(top), static_cast<int>(left + width),
                      static_cast<int>(top + height)};
    return layout;
}

int LinesPerPage(int pageHeight, int lineHeight) {
    return std::max(1, pageHeight / std::max(lineHeight, 1));
}

} // namespace lunea
