#include "app/charts_page_win.h"

#include "app/chart_contents.h"
#include "app/chart_printing_win.h"
#include "app/control_ids.h"
#include "app/labelled_button_win.h"
#include "app/main_window_layout.h"
#include "app/month_view.h"
#include "components/art/desktop_skin.h"
#include "components/art/image_sets.h"

namespace lunea {
namespace {

constexpr int kChartButtonGroup = 3;

std::unique_ptr<PaintBox> ChartBox(HWND parent, int id, const Chart& chart) {
    auto box = std::make_unique<PaintBox>(parent, id, BoundsInParent(id));
    box->SetPainter([&chart](Canvas& canvas, const Rect& client) { chart.Draw(canvas, client); });
    return box;
}

} // namespace

ChartsPage::ChartsPage(HWND mainWindow, ChartsPageContext context)
    : mainWindow_(mainWindow), context_(std::move(context)),
      temperatureChart_(MakeTemperatureChart()), cycleChart_(MakeCycleChart()),
      page_(mainWindow, ids::ChartsPage, BoundsInParent(ids::ChartsPage)) {
    chartsPanel_ = std::make_unique<PaintBox>(page_.Window(), ids::ChartsPanel,
                                              BoundsInParent(ids::ChartsPanel));
    chartsPanel_->SetPainter([](Canvas& canvas, const Rect& client) {
        canvas.Rectangle(client, Pen::None(), Brush{kPagePanelColor});
    });
    temperatureChartBox_ = ChartBox(chartsPanel_->Window(), ids::TempChart, temperatureChart_);
    cycleChartBox_ = ChartBox(chartsPanel_->Window(), ids::CycleChart, cycleChart_);
    CreateButtons();
    page_.Show(false);
}

void ChartsPage::CreateButtons() {
    const LabelledButtonSlot slots[] = {
        {cycleChartButton_, ids::CycleChartButton, ids::CyclesChartLabel, chart_button::kCycles,
         PageButtonKind::Page, [this] { ShowCycleChart(); }},
        {temperatureChartButton_, ids::TempChartButton, ids::TempChartLabel,
         chart_button::kTemperature, PageButtonKind::Page, [this] { ShowTemperatureChart(); }},
        {printChartButton_, ids::PrintChartButton, ids::PrintChartLabel, chart_button::kPrint,
         PageButtonKind::Command, [this] { PrintShownChart(); }},
    };
    labels_ = MakeLabelledButtons(
        page_.Window(), slots, {ImageSetId::ChartButtons, kChartButtonGroup, HorizontalAlign::Left},
        [this](int id, std::function<void()> click) { page_.OnClick(id, std::move(click)); });
}

void ChartsPage::Enter() {
    ShowWindow(temperatureChartBox_->Window(), SW_SHOWNA);
    ShowWindow(cycleChartBox_->Window(), SW_HIDE);
    temperatureChartButton_->SetChecked(false);
    cycleChartButton_->SetChecked(true);
    chartKind_ = 1;
}

void ChartsPage::Draw() {
    if (chartKind_ == 0)
        DrawTempChart();
    else
        DrawCycleChart();
}

void ChartsPage::ShowTemperatureChart() {
    chartKind_ = 0;
    context_.repaintView();
}

void ChartsPage::ShowCycleChart() {
    chartKind_ = 1;
    context_.repaintView();
}

void ChartsPage::PrintShownChart() {
    const Rect& shown = LayoutOf(ids::TempChart).bounds;
    PrintChart(mainWindow_, context_.printer, chartKind_ == 0 ? temperatureChart_ : cycleChart_,
               {shown.Width(), shown.Height()});
}

void ChartsPage::DrawTempChart() {
    ShowWindow(cycleChartBox_->Window(), SW_HIDE);
    ShowWindow(temperatureChartBox_->Window(), SW_SHOWNA);
    FillTempChart(temperatureChart_, context_.days, context_.view.selectedYear,
                  context_.view.selectedMonth, context_.settings.useFahrenheit);
    ShowTemperatureShift(temperatureChart_,
                         context_.settings.showCoverline
                             ? FindTemperatureShift(context_.days, context_.analysis.Starts(),
                                                    context_.view.selectedYear,
                                                    context_.view.selectedMonth)
                             : std::nullopt,
                         context_.settings.useFahrenheit);
    temperatureChartBox_->Repaint();
}

void ChartsPage::DrawCycleChart() {
    ShowWindow(temperatureChartBox_->Window(), SW_HIDE);
    ShowWindow(cycleChartBox_->Window(), SW_SHOWNA);
    FillCycleChart(cycleChart_, context_.analysis, context_.view.selectedYear,
                   context_.view.selectedMonth);
    cycleChartBox_->Repaint();
}

} // namespace lunea
