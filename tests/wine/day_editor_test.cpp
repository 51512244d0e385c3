#include "app/control_ids.h"
#include "tests/wine/calendar_driver.h"
#include "tests/wine/journal_files.h"
#include "tests/wine/program_harness.h"

#include <gtest/gtest.h>

namespace lunea::test {
namespace {

class DayEditor : public FirstStartTest {
  protected:
    // Starts the calendar and selects 10 December 2019.
    CalendarDriver Start() {
        calendar_ = std::make_unique<CalendarProcess>();
        const HWND window = calendar_->WaitForMainWindow();
        EXPECT_NE(window, nullptr);
        CalendarDriver driver(window);
        driver.ShowMonth(2019, 12);
        driver.ClickDay(2019, 12, 10);
        return driver;
    }
    static TDayRecord SavedDay(const CalendarDriver& driver, int day = 10) {
        EXPECT_TRUE(driver.Save());
        return ReadSavedJournal()->At(2019, 12, day);
    }

    std::unique_ptr<CalendarProcess> calendar_;
};

TEST_F(DayEditor, EveryControlWritesTheSelectedDay) {
    const CalendarDriver driver = Start();
    driver.Click(ids::StatusRadio3);
    EXPECT_EQ(driver.Text(ids::StatusButton), "Heavy Menses");
    for (int box : {ids::PMSBox, ids::SexBox, ids::CrampingBox, ids::ProtectBox, ids::AppointBox,
                    ids::SecretBox})
        driver.Click(box);
    driver.Type(ids::NoteEdit, "slept badly");
    driver.MouseAt(ids::TempScaleBar, 60, 3);
    EXPECT_TRUE(driver.Checked(ids::TempBox)) << "a click on the scale ticks the box";
    EXPECT_EQ(driver.Text(ids::TempEdit), "36.5");

    const TDayRecord day = SavedDay(driver);
    EXPECT_EQ(day.Flag, 1);
    EXPECT_EQ(day.Status, 3);
    EXPECT_EQ(day.PMS, 1);
    EXPECT_EQ(day.Sex, 1);
    EXPECT_EQ(day.Cramping, 1);
    EXPECT_EQ(day.Protect, 1);
    EXPECT_EQ(day.Appointment, 1);
    EXPECT_EQ(day.Secrets, 1);
    EXPECT_DOUBLE_EQ(day.Temperature, 36.5);
    EXPECT_EQ(day.Note.Text(), "slept badly");
    EXPECT_EQ(driver.Text(ids::NoteEdit), "slept badly") << "typing went on through every redraw";

    // Another day, and back: the controls show each day's own record.
    driver.ClickDay(2019, 12, 11);
    EXPECT_FALSE(driver.Checked(ids::PMSBox));
    EXPECT_EQ(driver.Text(ids::NoteEdit), "");
    EXPECT_TRUE(driver.Checked(ids::StatusRadio0));
    driver.ClickDay(2019, 12, 10);
    EXPECT_TRUE(driver.Checked(ids::PMSBox));
    EXPECT_TRUE(driver.Checked(ids::StatusRadio3));
    EXPECT_FALSE(driver.Checked(ids::StatusRadio0));
    EXPECT_EQ(driver.Text(ids::TempEdit), "36.5");
}

TEST_F(DayEditor, TheStatusMenuSetsTheStatusAndItsButton) {
    const CalendarDriver driver = Start();
    ASSERT_TRUE(driver.ChooseFromMenu(ids::StatusButton, 3));
    EXPECT_EQ(driver.Text(ids::StatusButton), "Heavy Menses");
    EXPECT_TRUE(driver.Checked(ids::StatusRadio3));
    EXPECT_FALSE(driver.Checked(ids::StatusRadio0));
    const TDayRecord day = SavedDay(driver);
    EXPECT_EQ(day.Status, 3);
    EXPECT_EQ(day.Flag, 1);

    ASSERT_TRUE(driver.ChooseFromMenu(ids::StatusButton, 6));
    EXPECT_EQ(driver.Text(ids::StatusButton), "Stretchy, Egg-White");
    EXPECT_TRUE(driver.Checked(ids::StatusRadio6));
    EXPECT_EQ(SavedDay(driver).Status, 6);
}

TEST_F(DayEditor, TogglingABoxBackStillMarksTheDayEdited) {
    const CalendarDriver driver = Start();
    driver.Click(ids::PMSBox);
    driver.Click(ids::PMSBox);
    const TDayRecord day = SavedDay(driver);
    EXPECT_EQ(day.PMS, 0);
    EXPECT_EQ(day.Flag, 1);
}

TEST_F(DayEditor, TheScaleStoresItsPositions) {
    const CalendarDriver driver = Start();
    driver.MouseAt(ids::TempScaleBar, 0, 3);
    EXPECT_DOUBLE_EQ(SavedDay(driver).Temperature, 35.5);
    driver.MouseAt(ids::TempScaleBar, 119, 3);
    EXPECT_DOUBLE_EQ(SavedDay(driver).Temperature, 37.45);
    driver.MouseAt(ids::TempScaleImage, 121, 3);
    EXPECT_DOUBLE_EQ(SavedDay(driver).Temperature, 37.5) << "the picture reaches position 40";

    driver.Click(ids::TempBox); // unticked
    EXPECT_DOUBLE_EQ(SavedDay(driver).Temperature, 0.0);
    EXPECT_EQ(driver.Text(ids::TempEdit), "35.5") << "a day without temperature shows 35.5";
    driver.Click(ids::TempBox); // ticked, the scale back at 0
    EXPECT_DOUBLE_EQ(SavedDay(driver).Temperature, 35.5);
}

TEST_F(DayEditor, TheTemperatureBoxIsClampedToTheScale) {
    const CalendarDriver driver = Start();
    const std::pair<const char*, double> cases[] = {
        {"38", 37.5}, {"35", 35.5}, {"36.666", 36.67}, {"", 35.5}, {"abc", 35.5}};
    for (const auto& [typed, stored] : cases) {
        driver.SetText(ids::TempEdit, typed);
        driver.Click(ids::TempEditButton);
        EXPECT_DOUBLE_EQ(SavedDay(driver).Temperature, stored) << typed;
        EXPECT_TRUE(driver.Checked(ids::TempBox)) << typed;
    }
    EXPECT_EQ(driver.Text(ids::TempEdit), "35.5");
}

TEST_F(DayEditor, FahrenheitIsShownButCelsiusStored) {
    WriteSetting("TempFormat", "Fahrenheit");
    const CalendarDriver driver = Start();
    EXPECT_EQ(driver.Text(ids::TempUnitLabel), "\xB0"
                                               "F");
    EXPECT_EQ(driver.Text(ids::TempEdit), "95.9");
    driver.MouseAt(ids::TempScaleBar, 66, 3); // position 22
    // The click ticked the box, so the day was drawn and loaded again.
    EXPECT_EQ(driver.Text(ids::TempEdit), "97.88");
    driver.MouseAt(ids::TempScaleBar, 66, 3);
    EXPECT_EQ(driver.Text(ids::TempEdit), "97.9");
    EXPECT_DOUBLE_EQ(SavedDay(driver).Temperature, 36.6);
    driver.SetText(ids::TempEdit, "98.6");
    driver.Click(ids::TempEditButton);
    EXPECT_DOUBLE_EQ(SavedDay(driver).Temperature, 37.0);
    EXPECT_EQ(driver.Text(ids::TempEdit), "98.6");
}

TEST_F(DayEditor, TheNoteKeepsAtMost128Characters) {
    const CalendarDriver driver = Start();
    const std::string pasted(200, 'n');
    driver.Paste(ids::NoteEdit, pasted);
    EXPECT_EQ(SavedDay(driver).Note.Text(), pasted.substr(0, 128));
    EXPECT_EQ(driver.Text(ids::NoteEdit), pasted.substr(0, 128));
}

} // namespace
} // namespace lunea::test
