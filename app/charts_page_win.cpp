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
    ChartsPanel = std::make_unique<PaintBox>(page_.Window(), ids::ChartsPanel,
                                             BoundsInParent(ids::ChartsPanel));
    ChartsPanel->SetPainter([](Canvas& canvas, const Rect& client) {
        canvas.Rectangle(client, Pen::None(), Brush{kPagePanelColor});
    });
    Chart1 = ChartBox(ChartsPanel->Window(), ids::Chart1, temperatureChart_);
    Chart2 = ChartBox(ChartsPanel->Window(), ids::Chart2, cycleChart_);
    CreateButtons();
    page_.Show(false);
}

void ChartsPage::CreateButtons() {
    const struct {
        std::unique_ptr<PageButton>& button;
        int id;
        int labelId;
        int image;
        PageButtonKind kind;
        void (ChartsPage::*click)();
    } slots[] = {
        {CycleChartBtn, ids::CycleChartBtn, ids::CyclesChartLabel, chart_button::kCycles,
         PageButtonKind::Page, &ChartsPage::CycleChartBtnClick},
        {TempChartBtn, ids::TempChartBtn, ids::TempChartLabel, chart_button::kTemperature,
         PageButtonKind::Page, &ChartsPage::TempChartBtnClick},
        {PrintChartBtn, ids::PrintChartBtn, ids::PrintChartLabel, chart_button::kPrint,
         PageButtonKind::Command, &ChartsPage::PrintChartBtnClick},
    };
    for (const auto& slot : slots) {
        LabelledButton made = MakeLabelledButton(
            page_.Window(), slot.id, slot.labelId, ImageRef{ImageSetId::ChartButtons, slot.image},
            slot.kind, kChartButtonGroup, HorizontalAlign::Left);
        slot.button = std::move(made.button);
        labels_.push_back(std::move(made.label));
        page_.OnClick(slot.id, [this, click = slot.click] { (this->*click)(); });
    }
}

void ChartsPage::Enter() {
    ShowWindow(Chart1->Window(), SW_SHOWNA);
    ShowWindow(Chart2->Window(), SW_HIDE);
    TempChartBtn->SetChecked(false);
    CycleChartBtn->SetChecked(true);
    ChartKind = 1;
}

void ChartsPage::Draw() {
    if (ChartKind == 0)
        DrawTempChart();
    else
        DrawCycleChart();
}

void ChartsPage::TempChartBtnClick() {
    ChartKind = 0;
    context_.repaintView();
}

void ChartsPage::CycleChartBtnClick() {
    ChartKind = 1;
    context_.repaintView();
}

void ChartsPage::PrintChartBtnClick() {
    const Rect& shown = LayoutOf(ids::Chart1).bounds;
    PrintChart(mainWindow_, printer_, ChartKind == 0 ? temperatureChart_ : cycleChart_,
               {shown.Width(), shown.Height()});
}

void ChartsPage::DrawTempChart() {
    ShowWindow(Chart2->Window(), SW_HIDE);
    ShowWindow(Chart1->Window(), SW_SHOWNA);
    FillTempChart(temperatureChart_, context_.days, context_.view.SelectedYear,
                  context_.view.SelectedMonth, context_.settings.UseFahrenheit);
    Chart1->Repaint();
}

void ChartsPage::DrawCycleChart() {
    ShowWindow(Chart1->Window(), SW_HIDE);
    ShowWindow(Chart2->Window(), SW_SHOWNA);
    context_.analysis.GetCStartAndLen(context_.days, CycleRulesOf(context_.settings));
    FillCycleChart(cycleChart_, context_.analysis, context_.view.SelectedYear,
                   context_.view.SelectedMonth);
    Chart2->Repaint();
}

} // namespace lunea
