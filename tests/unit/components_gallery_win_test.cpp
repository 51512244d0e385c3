// The component set laid out as the main window uses it, so a person can
// look at it: with LUNEA_GALLERY_SHOT=<file.bmp> the test saves what the
// window shows. The controls stand where the main window's layout table
// puts them.

#include "components/canvas/bmp_file.h"
#include "components/controls/check_box_win.h"
#include "components/controls/control_painters.h"
#include "components/art/desktop_skin.h"
#include "components/canvas/dib_surface_win.h"
#include "components/controls/caption_buttons_win.h"
#include "components/canvas/gdi_canvas_win.h"
#include "components/controls/hints_win.h"
#include "components/art/image_sets.h"
#include "components/controls/page_button_win.h"
#include "components/controls/radio_button_win.h"
#include "components/controls/skin_frame_win.h"
#include "components/controls/skin_label_win.h"
#include "tests/unit/components_test_parent_win.h"
#include "app/control_ids.h"
#include "app/main_window_layout.h"
#include "app/status_texts.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace lunea {
namespace {

constexpr Color kPanel = 13280868;

void PaintCentre(HDC dc) {
    GdiCanvas canvas(dc);
    canvas.Rectangle({97, 32, 445, 351}, Pen::None(), {kPanel});
    Font caption = ControlFont();
    caption.style = kBold;
    caption.color = kWhite;
    const struct {
        ImageSetId set;
        const char* name;
    } rows[] = {{ImageSetId::Icons, "Icons"},       {ImageSetId::Status, "Status"},
                {ImageSetId::Bells, "Bells"},       {ImageSetId::Glyphs, "Glyphs"},
                {ImageSetId::PageButtons, "Pages"}, {ImageSetId::Users, "Users"}};
    int top = 44;
    for (const auto& row : rows) {
        const ImageSet& set = GetImageSet(row.set);
        canvas.Text({106, top + (set.height - 12) / 2}, row.name, caption);
        for (int i = 0; i < set.count; ++i) {
            const int left = 160 + i * (set.width + 10);
            canvas.RoundRect({left - 3, top - 3, left + set.width + 3, top + set.height + 3}, 6, 6,
                             {kBlack, 1}, {15780518});
            canvas.Image({left, top}, row.set, i);
        }
        top += set.height + 16;
    }
    canvas.Image({460, 175}, ImageSetId::TempScale, 0);
    canvas.Image({451, 185}, ImageSetId::TempDigits, temp_digits::kCelsius);
    canvas.Rectangle({461, 170, 581, 176}, {Rgb(88, 112, 156), 1}, {kWhite});
    canvas.Rectangle({462, 171, 528, 175}, Pen::None(), {Rgb(222, 28, 40)});
    canvas.Image({451, 266}, ImageSetId::Icons, icon::kPen);
    canvas.Rectangle({106, top, 436, top + 18}, {kBlack, 1}, {kWhite});
    canvas.Image({110, top + 1}, ImageSetId::TempDigits, temp_digits::kFahrenheit);
}

// Each control where the main window's layout table puts it, with its
// caption and hint from there; only what the program sets at run time
// (month, temperature unit, checks) is the gallery's own.
struct Gallery {
    testing::TestParent frame;
    SkinFrame skin{frame.Window()};
    std::vector<std::unique_ptr<SkinControl>> controls;
    Hints hints{frame.Window()};

    template <typename Control, typename... Args> Control& Add(int id, Args&&... args) {
        const ControlSpec& entry = LayoutOf(id);
        controls.push_back(std::make_unique<Control>(frame.Window(), id, entry.bounds,
                                                     std::forward<Args>(args)...));
        if (!entry.hint.empty())
            hints.Add(controls.back()->Window(), entry.hint);
        return static_cast<Control&>(*controls.back());
    }
    template <typename Control, typename... Args> Control& AddCaptioned(int id, Args&&... args) {
        return Add<Control>(id, LayoutOf(id).text, std::forward<Args>(args)...);
    }

    Gallery() {
        frame.paint = PaintCentre;
        AddTitleBarAndPages();
        AddDayEditor();
        ShowWindow(frame.Window(), SW_SHOWNOACTIVATE);
    }

    void AddTitleBarAndPages() {
        Font users = ControlFont();
        users.style = kBold;
        users.color = kBlue;
        auto& usersButton = Add<FlatButton>(ids::UsersButton, "Local User",
                                            ImageRef{ImageSetId::Users, user_image::kLocalUser});
        usersButton.SetFont(users);
        usersButton.SetHandCursor(true);
        const int titleButtons[] = {ids::HelpButton, ids::MinimizeButton, ids::CloseButton};
        for (int i = 0; i < 3; ++i)
            Add<FlatButton>(titleButtons[i], "", ImageRef{ImageSetId::Glyphs, glyph::kHelp + i});
        const int pages[] = {ids::CalendarButton, ids::ChartsButton, ids::PrefsButton,
                             ids::ReportsButton};
        const int labels[] = {ids::CalendarLabel, ids::ChartsLabel, ids::PreferencesLabel,
                              ids::ReportsLabel};
        for (int i = 0; i < 4; ++i) {
            Add<PageButton>(pages[i], ImageRef{ImageSetId::PageButtons, i},
                            i < 3 ? PageButtonKind::Page : PageButtonKind::Command)
                .SetChecked(i == 0);
            AddCaptioned<SkinLabel>(labels[i], HorizontalAlign::Centre);
        }
    }

    void AddDayEditor() {
        Add<PushButton>(ids::PreviousMonthButton, "", ImageRef{ImageSetId::Glyphs, glyph::kLeft});
        Font monthFont = ControlFont();
        monthFont.style = kBold;
        monthFont.charset = 204;
        Add<PushButton>(ids::MonthButton, "December, 2004").SetFont(monthFont);
        Add<PushButton>(ids::NextMonthButton, "", ImageRef{ImageSetId::Glyphs, glyph::kRight});
        AddCaptioned<SkinLabel>(ids::CervicalFluidLabel);
        Add<PushButton>(ids::StatusButton, "Heavy Menses", ImageRef{ImageSetId::Status, 3});
        for (int status = 0; status < kStatusCount; ++status)
            Add<RadioButton>(ids::StatusRadio0 + status, "", 1).SetChecked(status == 3);
        AddCaptioned<CheckBox>(ids::TempBox).SetChecked(true);
        Add<PushButton>(ids::TempEditButton, "", ImageRef{ImageSetId::Glyphs, glyph::kDown});
        Add<SkinLabel>(ids::TempUnitLabel, "\xB0"
                                           "C");
        const int boxes[] = {ids::PMSBox,     ids::SexBox,     ids::CrampingBox,
                             ids::ProtectBox, ids::AppointBox, ids::SecretBox};
        for (int i = 0; i < 6; ++i)
            AddCaptioned<CheckBox>(boxes[i]).SetChecked(i == 0 || i == 3);
        AddCaptioned<SkinLabel>(ids::NoteLabel);
    }
};

TEST(ComponentGallery, ShowsEveryComponentWithItsHints) {
    Gallery gallery;
    EXPECT_EQ(gallery.hints.TextOf(GetDlgItem(gallery.frame.Window(), ids::StatusRadio6)),
              "Stretchy, Egg-White Mucus");

    gallery.frame.ShowAndPaint();
    if (const char* path = std::getenv("LUNEA_GALLERY_SHOT"); path && *path) {
        EXPECT_TRUE(SaveBmp(path, CaptureClientArea(gallery.frame.Window())));
    }
}

} // namespace
} // namespace lunea
