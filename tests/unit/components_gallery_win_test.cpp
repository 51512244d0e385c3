// The component set laid out as the main window uses it, so a person can
// look at it: with LUNEA_GALLERY_SHOT=<file.bmp> the test saves what the
// window shows. (The layout itself is checked where the window takes it
// from: the main window's layout table.)

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
    caption.color = Rgb(255, 255, 255);
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
                             {Rgb(0, 0, 0), 1}, {15780518});
            canvas.Image({left, top}, row.set, i);
        }
        top += set.height + 16;
    }
    canvas.Image({460, 175}, ImageSetId::TempScale, 0);
    canvas.Image({451, 185}, ImageSetId::TempDigits, temp_digits::kCelsius);
    canvas.Rectangle({461, 170, 581, 176}, {Rgb(88, 112, 156), 1}, {Rgb(255, 255, 255)});
    canvas.Rectangle({462, 171, 528, 175}, Pen::None(), {Rgb(222, 28, 40)});
    canvas.Image({451, 266}, ImageSetId::Icons, icon::kPen);
    canvas.Rectangle({106, top, 436, top + 18}, {Rgb(0, 0, 0), 1}, {Rgb(255, 255, 255)});
    canvas.Image({110, top + 1}, ImageSetId::TempDigits, temp_digits::kFahrenheit);
}

struct Gallery {
    testing::TestParent frame;
    SkinFrame skin{frame.Window()};
    std::vector<std::unique_ptr<SkinControl>> controls;
    Hints hints{frame.Window()};

    template <typename Control, typename... Args> Control& Add(Args&&... args) {
        controls.push_back(std::make_unique<Control>(frame.Window(), std::forward<Args>(args)...));
        return static_cast<Control&>(*controls.back());
    }

    Gallery() {
        frame.paint = PaintCentre;
        Font users = ControlFont();
        users.style = kBold;
        users.color = Rgb(0, 0, 255);
        auto& usersButton = Add<FlatButton>(100, Rect{208, 2, 361, 22}, "Local User",
                                            ImageRef{ImageSetId::Users, user_image::kLocalUser});
        usersButton.SetFont(users);
        usersButton.SetHandCursor(true);
        hints.Add(usersButton.Window(), "Current User");
        const char* titleHints[] = {"Help", "Minimize", "Close"};
        for (int i = 0; i < 3; ++i) {
            auto& button = Add<FlatButton>(101 + i, Rect{546 + 16 * i, 5, 560 + 16 * i, 19}, "",
                                           ImageRef{ImageSetId::Glyphs, glyph::kHelp + i});
            hints.Add(button.Window(), titleHints[i]);
        }
        const char* pages[] = {"Calendar", "Charts", "Preferences", "Reports"};
        const int tops[] = {32, 82, 132, 183};
        for (int i = 0; i < 4; ++i) {
            auto& page = Add<PageButton>(110 + i, Rect{35, tops[i], 67, tops[i] + 32},
                                         ImageRef{ImageSetId::PageButtons, i},
                                         i < 3 ? PageButtonKind::Page : PageButtonKind::Command);
            page.SetChecked(i == 0);
            Add<SkinLabel>(120 + i, Rect{7, tops[i] + 33, 92, tops[i] + 47}, pages[i],
                           HorizontalAlign::Centre);
        }
        Add<PushButton>(130, Rect{451, 36, 467, 59}, "",
                        ImageRef{ImageSetId::Glyphs, glyph::kLeft});
        auto& month = Add<PushButton>(131, Rect{467, 36, 574, 59}, "December, 2004");
        Font monthFont = ControlFont();
        monthFont.style = kBold;
        monthFont.charset = 204;
        month.SetFont(monthFont);
        Add<PushButton>(132, Rect{575, 36, 592, 59}, "",
                        ImageRef{ImageSetId::Glyphs, glyph::kRight});
        Add<SkinLabel>(133, Rect{451, 75, 591, 89}, "Cervical Fluid:");
        Add<PushButton>(134, Rect{451, 91, 591, 114}, "Heavy Menses",
                        ImageRef{ImageSetId::Status, 3});
        const int statusLefts[] = {451, 471, 492, 513, 533, 554, 575};
        const char* statusHints[] = {"Dry",
                                     "Slight Menses",
                                     "Normal Menses",
                                     "Heavy Menses",
                                     "Intermenstrual",
                                     "Cloudy, Sticky Mucus",
                                     "Stretchy, Egg-White Mucus"};
        for (int i = 0; i < 7; ++i) {
            auto& radio = Add<RadioButton>(
                140 + i, Rect{statusLefts[i], 120, statusLefts[i] + 16, 136}, "", 1);
            radio.SetChecked(i == 3);
            hints.Add(radio.Window(), statusHints[i]);
        }
        Add<CheckBox>(150, Rect{451, 146, 511, 165}, "Temp.:").SetChecked(true);
        Add<PushButton>(151, Rect{559, 147, 574, 164}, "",
                        ImageRef{ImageSetId::Glyphs, glyph::kDown});
        Add<SkinLabel>(152, Rect{577, 148, 592, 162},
                       "\xB0"
                       "C");
        const char* boxes[] = {"PMS", "Sex", "Cramps", "Protect", "Dr's apt.", "Secret"};
        for (int i = 0; i < 6; ++i) {
            auto& box = Add<CheckBox>(
                160 + i,
                Rect{i % 2 ? 530 : 451, 206 + 20 * (i / 2), i % 2 ? 591 : 527, 223 + 20 * (i / 2)},
                boxes[i]);
            box.SetChecked(i == 0 || i == 3);
        }
        Add<SkinLabel>(170, Rect{470, 266, 530, 280}, "Note");
        ShowWindow(frame.Window(), SW_SHOWNOACTIVATE);
    }
};

TEST(ComponentGallery, ShowsEveryComponentWithItsHints) {
    Gallery gallery;
    EXPECT_EQ(gallery.hints.TextOf(GetDlgItem(gallery.frame.Window(), 146)),
              "Stretchy, Egg-White Mucus");

    gallery.frame.ShowAndPaint();
    if (const char* path = std::getenv("LUNEA_GALLERY_SHOT"); path && *path) {
        EXPECT_TRUE(SaveBmp(path, CaptureClientArea(gallery.frame.Window())));
    }
}

} // namespace
} // namespace lunea
