#include "components/controls/check_box_win.h"
#include "components/art/desktop_skin.h"
#include "components/canvas/dib_surface_win.h"
#include "components/controls/caption_buttons_win.h"
#include "components/controls/hints_win.h"
#include "components/art/image_sets.h"
#include "components/controls/page_button_win.h"
#include "components/controls/paint_box_win.h"
#include "components/controls/radio_button_win.h"
#include "components/controls/skin_frame_win.h"
#include "tests/unit/components_test_parent_win.h"

#include <gtest/gtest.h>

#include <memory>

namespace lunea {
namespace {

using testing::TestParent;
using Commands = std::vector<std::pair<int, int>>;

TEST(SkinButtons, SettingTheCheckFromTheProgramRaisesNoClickButBmClickDoes) {
    TestParent parent;
    CheckBox box(parent.Window(), 301, {451, 206, 526, 223}, "PMS");
    ASSERT_EQ(GetDlgItem(parent.Window(), 301), box.Window());

    box.SetChecked(true);
    SendMessageA(box.Window(), BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageA(box.Window(), BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_TRUE(parent.commands.empty());
    EXPECT_TRUE(box.IsChecked());

    SendMessageA(GetDlgItem(parent.Window(), 301), BM_CLICK, 0, 0);
    EXPECT_EQ(parent.commands, (Commands{{301, BN_CLICKED}}));
    EXPECT_FALSE(box.IsChecked()) << "the click toggles before the handler runs";
    EXPECT_EQ(SendMessageA(box.Window(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST(SkinButtons, ARadioClickChecksItAndUnchecksOnlyItsOwnGroupHintsOrNot) {
    TestParent parent;
    RadioButton dry(parent.Window(), 10, {451, 120, 467, 136}, "", 1);
    RadioButton heavy(parent.Window(), 13, {513, 120, 529, 136}, "", 1);
    RadioButton otherGroup(parent.Window(), 20, {451, 150, 500, 166}, "Other", 2);
    PageButton calendar(parent.Window(), 30, {35, 32, 67, 64},
                        {ImageSetId::PageButtons, page_button::kCalendar}, PageButtonKind::Page);
    Hints hints(parent.Window());
    hints.Add(dry.Window(), "Dry");
    hints.Add(heavy.Window(), "Heavy Menses");
    dry.SetChecked(true);
    otherGroup.SetChecked(true);
    calendar.SetChecked(true);

    SendMessageA(heavy.Window(), BM_CLICK, 0, 0);
    EXPECT_TRUE(heavy.IsChecked());
    EXPECT_FALSE(dry.IsChecked());
    EXPECT_TRUE(otherGroup.IsChecked());
    EXPECT_TRUE(calendar.IsChecked()) << "a page button is a radio of another group";
    SendMessageA(heavy.Window(), BM_CLICK, 0, 0);
    EXPECT_TRUE(heavy.IsChecked()) << "clicking a checked radio keeps it checked";
    EXPECT_EQ(parent.commands, (Commands{{13, BN_CLICKED}, {13, BN_CLICKED}}));
}

TEST(SkinButtons, PushButtonsStayUpAndDisabledButtonsIgnoreClicks) {
    TestParent parent;
    PageButton reports(parent.Window(), 40, {35, 183, 67, 215},
                       {ImageSetId::PageButtons, page_button::kReports}, PageButtonKind::Command);
    PushButton status(parent.Window(), 41, {451, 91, 591, 114}, "Dry",
                      ImageRef{ImageSetId::Status, 0});
    SendMessageA(reports.Window(), BM_CLICK, 0, 0);
    EXPECT_FALSE(reports.IsChecked());
    EnableWindow(status.Window(), FALSE);
    SendMessageA(status.Window(), BM_CLICK, 0, 0);
    EXPECT_EQ(parent.commands, (Commands{{40, BN_CLICKED}}));
    status.SetCaption("Heavy Menses");
    EXPECT_EQ(status.Caption(), "Heavy Menses");
}

TEST(SkinButtons, AMouseClickInsideNotifiesAndOneReleasedOutsideDoesNot) {
    TestParent parent;
    FlatButton close(parent.Window(), 50, {578, 5, 592, 19}, "",
                     ImageRef{ImageSetId::Glyphs, glyph::kClose});
    SendMessageA(close.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(close.Window(), WM_LBUTTONUP, 0, MAKELPARAM(6, 6));
    EXPECT_EQ(parent.commands, (Commands{{50, BN_CLICKED}}));
    SendMessageA(close.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(close.Window(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(40, 5));
    SendMessageA(close.Window(), WM_LBUTTONUP, 0, MAKELPARAM(40, 5));
    EXPECT_EQ(parent.commands.size(), 1u);
}

TEST(SkinButtons, ControlsOutlivedByTheirWindowOrOutlivingItAreSafe) {
    auto parent = std::make_unique<TestParent>();
    auto box = std::make_unique<CheckBox>(parent->Window(), 60, Rect{0, 0, 60, 17}, "Sex");
    RadioButton radio(parent->Window(), 61, {0, 20, 16, 36}, "", 0);
    box.reset();
    EXPECT_EQ(GetDlgItem(parent->Window(), 60), nullptr);
    parent.reset();
    EXPECT_EQ(radio.Window(), nullptr);
    radio.SetChecked(true);
}

TEST(Hints, KeepTheTextGivenForEachControl) {
    TestParent parent;
    FlatButton help(parent.Window(), 70, {546, 5, 560, 19}, "",
                    ImageRef{ImageSetId::Glyphs, glyph::kHelp});
    FlatButton minimize(parent.Window(), 71, {562, 5, 576, 19}, "",
                        ImageRef{ImageSetId::Glyphs, glyph::kMinimize});
    Hints hints(parent.Window());
    ASSERT_NE(hints.Window(), nullptr);
    EXPECT_TRUE(hints.Add(help.Window(), "Help"));
    EXPECT_TRUE(hints.Add(minimize.Window(), "Minimize"));
    EXPECT_EQ(hints.TextOf(help.Window()), "Help");
    EXPECT_EQ(hints.TextOf(minimize.Window()), "Minimize");
    EXPECT_EQ(hints.TextOf(parent.Window()), "");
}

TEST(SkinFrame, CutsTheCornersDragsByTheTitleBarAndShowsTheSkin) {
    TestParent parent;
    SkinFrame frame(parent.Window());
    ASSERT_TRUE(frame.IsAttached());

    RegionHandle region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_EQ(GetWindowRgn(parent.Window(), region.Get()), COMPLEXREGION);
    EXPECT_FALSE(PtInRegion(region.Get(), 0, 0));
    EXPECT_FALSE(PtInRegion(region.Get(), 300, 380)) << "below the skin";
    EXPECT_TRUE(PtInRegion(region.Get(), 300, 180));
    EXPECT_TRUE(PtInRegion(region.Get(), 300, 0));

    RECT window{};
    GetWindowRect(parent.Window(), &window);
    const auto hit = [&](int x, int y) {
        return SendMessageA(parent.Window(), WM_NCHITTEST, 0,
                            MAKELPARAM(window.left + x, window.top + y));
    };
    EXPECT_EQ(hit(150, 10), HTCAPTION);
    EXPECT_EQ(hit(150, kSkinTitleBarHeight), HTCLIENT);

    parent.ShowAndPaint();
    const PixelImage shown = CaptureClientArea(parent.Window());
    const PixelImage skin = PaintDesktopSkin();
    ASSERT_EQ(shown.width, 600);
    for (Point probe :
         {Point{20, 200}, Point{300, 200}, Point{520, 300}, Point{300, 22}, Point{96, 100}})
        EXPECT_EQ(shown.At(probe.x, probe.y), skin.At(probe.x, probe.y))
            << probe.x << "," << probe.y;
    int titlePixels = 0;
    for (int y = 3; y < 22; ++y)
        for (int x = 31; x < 140; ++x)
            titlePixels += shown.At(x, y) == kSkinTitleTextColor;
    EXPECT_GT(titlePixels, 40) << "the caption is written on the title bar";
}

TEST(SkinFrame, ControlsShowTheSkinBehindThem) {
    TestParent parent;
    SkinFrame frame(parent.Window());
    CheckBox box(parent.Window(), 80, {451, 246, 526, 263}, "Secret");
    box.SetChecked(true);
    parent.ShowAndPaint();
    const PixelImage shown = CaptureClientArea(parent.Window());
    const PixelImage skin = PaintDesktopSkin();
    EXPECT_EQ(shown.At(520, 249), skin.At(520, 249)) << "right of the caption";
    EXPECT_EQ(shown.At(457, 254), Rgb(222, 28, 40)) << "the tick";
}

} // namespace
} // namespace lunea

namespace lunea {
namespace {

TEST(PaintBox, ShowsWhatItsPainterDrawsAndPassesMousePressesOn) {
    testing::TestParent parent;
    PaintBox image(parent.Window(), 90, {101, 36, 441, 347});
    image.SetPainter([](Canvas& canvas, const Rect& client) {
        canvas.Rectangle(client, Pen::None(), {Rgb(0, 128, 255)});
        canvas.Image({48, 18}, ImageSetId::Bells, bell::kYellow);
    });
    std::vector<MouseEvent> presses;
    image.SetMouseDown([&](const MouseEvent& event) { presses.push_back(event); });
    SendMessageA(GetDlgItem(parent.Window(), 90), WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT,
                 MAKELPARAM(60, 19));
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(presses[0].at, (Point{60, 19}));
    EXPECT_TRUE(presses[0].right && presses[0].shift && !presses[0].left);
    // A quick second press comes as a double-click and must count too.
    SendMessageA(GetDlgItem(parent.Window(), 90), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(33, 4));
    ASSERT_EQ(presses.size(), 2u);
    EXPECT_EQ(presses[1].at, (Point{33, 4}));

    parent.ShowAndPaint();
    image.Repaint();
    const PixelImage shown = CaptureClientArea(image.Window());
    ASSERT_EQ(shown.width, 340);
    EXPECT_EQ(shown.At(5, 5), Rgb(0, 128, 255));
    EXPECT_EQ(shown.At(48 + 7, 18 + 0), GetImageSet(ImageSetId::Bells).strip.At(7, 0));
    EXPECT_EQ(shown.At(48, 18), Rgb(0, 128, 255)) << "the bell's mask corner";
}

} // namespace
} // namespace lunea
