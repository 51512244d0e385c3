#pragma once
// Builders of the image sets, one per set, and the table GetImageSet builds
// them from.

#include "components/art/image_sets.h"

#include <cstddef>
#include <iterator>
#include <vector>

namespace lunea {

// Stacks equally sized pictures into one set.
ImageSet StackImages(const std::vector<PixelImage>& images);

ImageSet BuildIconSet();
ImageSet BuildStatusSet();
ImageSet BuildBellSet();
ImageSet BuildGlyphSet();
ImageSet BuildPageButtonSet();
ImageSet BuildTempScaleSet();
ImageSet BuildTempDigitSet();
// The icon kinds 0..10 in the order of the kind menu: blank, spiral, drop,
// bell, thermometer, smiling face, heart, pen, lightning, face, both dots.
ImageSet BuildIconKindSet();
ImageSet BuildUserSet();
ImageSet BuildChartButtonSet();
ImageSet BuildReportMarkSet();
ImageSet BuildToolBarSet();

struct ImageSetBuilder {
    ImageSetId id;
    const char* fileName; // of the exported bitmap, without ".bmp"
    ImageSet (*build)();
};

// Indexed by ImageSetId: a new set is its enumerator, its builder and a row here.
inline constexpr ImageSetBuilder kImageSetBuilders[] = {
    {ImageSetId::Icons, "Icons", BuildIconSet},
    {ImageSetId::Status, "Status", BuildStatusSet},
    {ImageSetId::Bells, "Bells", BuildBellSet},
    {ImageSetId::Glyphs, "Glyphs", BuildGlyphSet},
    {ImageSetId::PageButtons, "PageButtons", BuildPageButtonSet},
    {ImageSetId::TempScale, "TempScale", BuildTempScaleSet},
    {ImageSetId::TempDigits, "TempDigits", BuildTempDigitSet},
    {ImageSetId::IconKinds, "IconKinds", BuildIconKindSet},
    {ImageSetId::Users, "Users", BuildUserSet},
    {ImageSetId::ChartButtons, "ChartButtons", BuildChartButtonSet},
    {ImageSetId::ReportMarks, "ReportMarks", BuildReportMarkSet},
    {ImageSetId::ToolBar, "ToolBar", BuildToolBarSet},
};
inline constexpr int kImageSetCount = static_cast<int>(std::size(kImageSetBuilders));

static_assert(
    [] {
        for (std::size_t i = 0; i < std::size(kImageSetBuilders); ++i)
            if (static_cast<std::size_t>(kImageSetBuilders[i].id) != i)
                return false;
        return true;
    }(),
    "every row of kImageSetBuilders sits at the index of its ImageSetId");

} // namespace lunea
