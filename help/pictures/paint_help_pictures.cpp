// Paints the help's pictures with the program's own painters: the icon,
// status and bell legends on the page's white, a sample month as the
// Calendar page draws it and its Temperature chart with the coverline. The
// portable canvas has no font, so the texts of those two are written aside
// as drawing commands for ImageMagick (Month.mvg, Chart.mvg), which lays
// them over the bitmaps with a font of Arial's metrics.

#include "app/chart_contents.h"
#include "app/month_view.h"
#include "components/art/image_sets.h"
#include "components/canvas/bitmap_canvas.h"
#include "components/canvas/bmp_file.h"
#include "components/canvas/recording_canvas.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lunea {
namespace {

// Paints every shape on its target and keeps the texts for a real font.
class TextAsideCanvas final : public Canvas {
  public:
    explicit TextAsideCanvas(Canvas& target) : target_(target) {}
    const std::vector<TextCall>& Texts() const { return texts_; }

    void Rectangle(const Rect& rect, const Pen& pen, const Brush& brush) override {
        target_.Rectangle(rect, pen, brush);
    }
    void RoundRect(const Rect& rect, int ellipseWidth, int ellipseHeight, const Pen& pen,
                   const Brush& brush) override {
        target_.RoundRect(rect, ellipseWidth, ellipseHeight, pen, brush);
    }
    void Ellipse(const Rect& bounds, const Pen& pen, const Brush& brush) override {
        target_.Ellipse(bounds, pen, brush);
    }
    void Polygon(std::span<const Point> points, const Pen& pen, const Brush& brush) override {
        target_.Polygon(points, pen, brush);
    }
    void Line(Point from, Point to, const Pen& pen) override { target_.Line(from, to, pen); }
    void Text(Point at, std::string_view text, const Font& font) override {
        texts_.push_back({at, std::string(text), font, std::nullopt});
    }
    void TextOnBackground(Point at, std::string_view text, const Font& font,
                          Color background) override {
        texts_.push_back({at, std::string(text), font, background});
    }
    TextExtent MeasureText(std::string_view text, const Font& font) override {
        return target_.MeasureText(text, font);
    }
    void Image(Point at, ImageSetId set, int index) override { target_.Image(at, set, index); }
    void VerticalGradient(const Rect& rect, Color top, Color bottom) override {
        target_.VerticalGradient(rect, top, bottom);
    }
    void Polyline(std::span<const Point> points, const Pen& pen) override {
        target_.Polyline(points, pen);
    }
    void SetClip(const Rect& rect) override { target_.SetClip(rect); }
    void ResetClip() override { target_.ResetClip(); }
    void Picture(const Rect& to, const PixelImage& picture) override {
        target_.Picture(to, picture);
    }

  private:
    Canvas& target_;
    std::vector<TextCall> texts_;
};

std::string HexColor(Color color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", color & 0xFFu, (color >> 8) & 0xFFu,
                  (color >> 16) & 0xFFu);
    return text;
}

// The program's texts are in the Windows code page; ImageMagick reads UTF-8.
std::string Utf8Of(std::string_view ansi) {
    std::string utf8;
    for (const char c : ansi) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

// ImageMagick's drawing language: the bitmap, then each text with its top
// where the program put it (MVG places a text by its baseline).
std::string TextsAsMvg(const std::vector<TextCall>& texts, const std::string& bitmap) {
    std::string mvg = "viewbox 0 0 " + std::to_string(kMainImageWidth) + " " +
                      std::to_string(kMainImageHeight) + "\nimage copy 0,0 0,0 '" + bitmap +
                      "'\nfont-family 'Liberation Sans'\n";
    for (const TextCall& call : texts) {
        const int size = std::abs(call.font.height);
        const int ascent = (size * 905 + 500) / 1000; // Arial's ascent in its em
        mvg += "font-size " + std::to_string(size) + "\nfont-weight " +
               ((call.font.style & kBold) != 0 ? "bold" : "normal") + "\nfill '" +
               HexColor(call.font.color) + "'\ntext " + std::to_string(call.at.x) + "," +
               std::to_string(call.at.y + ascent) + " '" + Utf8Of(call.text) + "'\n";
    }
    return mvg;
}

// March 2019, today the 12th: two recorded menstruations a cycle apart, so
// the month shows every colour, and a few entries, so it shows icons.
std::unique_ptr<DayTable> SampleJournal() {
    auto days = std::make_unique<DayTable>();
    constexpr int kFlow[] = {2, 3, 3, 2, 1};
    for (int i = 0; i < 5; ++i) {
        days->At(2019, 2, 3 + i).Status = static_cast<std::uint8_t>(kFlow[i]);
        days->At(2019, 3, 3 + i).Status = static_cast<std::uint8_t>(kFlow[i]);
    }
    days->At(2019, 3, 4).Cramping = 1;
    days->At(2019, 3, 5).PMS = 1;
    // Low until the 17th, up from the 18th, two mornings not measured.
    for (int day = 3; day <= 30; ++day)
        if (day != 11 && day != 25)
            days->At(2019, 3, day).Temperature = (day < 18 ? 36.35 : 36.8) + (day * 7 % 5) * 0.03;
    days->At(2019, 3, 8).Appointment = 1;
    days->At(2019, 3, 21).Appointment = 1;
    days->At(2019, 3, 14).Sex = 1;
    days->At(2019, 3, 14).Protect = 1;
    days->At(2019, 3, 12).Note.Assign("Sports");
    days->At(2019, 3, 16).Status = 5;
    return days;
}

// The page's caption promises every day colour in the sample month.
bool ShowsEveryKind(const DayTable& days, const CycleAnalysis& analysis, const Settings& settings) {
    std::array<bool, 4> shown{};
    for (int day = 1; day <= DaysInMonth(2019, 3); ++day)
        shown[static_cast<std::size_t>(
            analysis.ClassifyDay(days, {2019, 3, day}, CycleRulesOf(settings)).kind)] = true;
    return shown == std::array<bool, 4>{true, true, true, true};
}

// Name.bmp painted by `paint`, with Name.mvg to set its texts.
bool WritePainted(const std::string& folder, const std::string& name,
                  const std::function<void(Canvas&)>& paint) {
    BitmapCanvas bitmap(kMainImageWidth, kMainImageHeight);
    TextAsideCanvas canvas(bitmap);
    paint(canvas);
    std::ofstream mvg(folder + name + ".mvg");
    mvg << TextsAsMvg(canvas.Texts(), folder + name + ".bmp");
    mvg.close();
    return SaveBmp(folder + name + ".bmp", bitmap.Pixels()) && mvg.good();
}

bool WriteMonthAndChart(const std::string& folder) {
    const std::unique_ptr<DayTable> days = SampleJournal();
    const Settings settings;
    CycleAnalysis analysis;
    analysis.Analyse(*days, CycleRulesOf(settings));
    if (!ShowsEveryKind(*days, analysis, settings)) {
        std::fprintf(stderr, "the sample month no longer shows every day colour\n");
        return false;
    }
    const std::optional<TemperatureShift> shift =
        FindTemperatureShift(*days, analysis.Starts(), 2019, 3);
    if (!shift) {
        std::fprintf(stderr, "the sample month no longer has a temperature shift\n");
        return false;
    }
    const MonthViewInput input{*days, settings, 2019, 3, {2019, 3, 12}, {}};
    const bool month = WritePainted(folder, "Month", [&](Canvas& canvas) {
        DrawMonth(canvas, input, analysis);
        DrawSelectionFrame(canvas, MonthCells(2019, 3, false), 12);
    });
    Chart chart = MakeTemperatureChart();
    FillTempChart(chart, *days, 2019, 3, false);
    ShowTemperatureShift(chart, shift, false);
    return WritePainted(folder, "Chart",
                        [&](Canvas& canvas) {
                            chart.Draw(canvas, {0, 0, kMainImageWidth, kMainImageHeight});
                        }) &&
           month;
}

// A strip of pictures one above the other, its see-through colour the page's white.
bool WriteLegend(const std::string& path, ImageSetId id) {
    const ImageSet& set = GetImageSet(id);
    BitmapCanvas canvas(set.width, set.height * set.count, kWhite);
    for (int index = 0; index < set.count; ++index)
        canvas.Image({0, index * set.height}, id, index);
    return SaveBmp(path, canvas.Pixels());
}

} // namespace
} // namespace lunea

int main(int argc, char** argv) {
    using namespace lunea;
    const std::string folder = argc > 1 ? std::string(argv[1]) + "/" : std::string();
    bool written = WriteLegend(folder + "Icons.bmp", ImageSetId::Icons);
    written = WriteLegend(folder + "Status.bmp", ImageSetId::Status) && written;
    written = WriteLegend(folder + "Bells.bmp", ImageSetId::Bells) && written;
    written = WriteMonthAndChart(folder) && written;
    if (!written)
        std::fprintf(stderr, "could not write every help picture into '%s'\n", folder.c_str());
    return written ? 0 : 1;
}
