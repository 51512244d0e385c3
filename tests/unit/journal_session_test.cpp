// The journal session's rules, natively: an in-memory settings key, the
// POSIX file layer in a scratch folder and a prompts recorder.
#include "app/journal_session.h"
#include "common/memory_registry_key.h"
#include "tests/unit/journal_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <vector>

namespace lunea {
namespace {

using testing::RecordingPrompts;
using testing::ScratchFolder;

// The settings key as the session opens it each time: a view of one key.
class KeyView : public RegistryKey {
  public:
    explicit KeyView(MemoryRegistryKey& key) : key_(key) {}
    RegistryRead ReadString(const std::string& name, std::string& value) const override {
        return key_.ReadString(name, value);
    }
    RegistryRead ReadText(const std::string& name, RegistryText& value) const override {
        return key_.ReadText(name, value);
    }
    bool WriteString(const std::string& name, const std::string& value) override {
        return key_.WriteString(name, value);
    }

  private:
    MemoryRegistryKey& key_;
};

constexpr CivilDate kFirstFlow{2010, 3, 1};
constexpr CivilDate kSecondFlow{2010, 3, 29};

class JournalSessionTest : public ::testing::Test {
  protected:
    JournalSessionTest() {
        for (const char* name : {"lunea", "anna"})
            std::filesystem::create_directories(scratch_.File(name));
    }

    UserList Users() const {
        return {{"Lunea", "PPC - Anna"},
                {scratch_.File("lunea") + "/", scratch_.File("anna") + "/"}};
    }
    std::string FileOf(int user) const { return Users().DataFile(user); }

    // A journal on disk with a flow of three days from each date.
    void WriteJournal(int user, const std::vector<CivilDate>& flows) {
        Journal journal(*files_, prompts);
        for (const CivilDate first : flows)
            for (int day = 0; day < 3; ++day)
                journal.Days().AtSerial(DateToSerial(first) + day)->Status = 2;
        journal.SaveData(FileOf(user));
    }

    void Start(int welcomeChoice = 0) {
        session.Start(Users(), {[this, welcomeChoice](const UserList&) {
                                    ++welcomeShown;
                                    return welcomeChoice;
                                },
                                [this](const std::string& password) { askedPassword = password; }});
    }

    void ExpectFreshAnalysis() const {
        CycleAnalysis fresh;
        fresh.Analyse(session.Days(), CycleRulesOf(session.CurrentSettings()));
        const CycleAnalysis& kept = session.Analysis();
        EXPECT_EQ(std::vector(kept.Starts().begin(), kept.Starts().end()),
                  std::vector(fresh.Starts().begin(), fresh.Starts().end()));
        EXPECT_EQ(std::vector(kept.Lengths().begin(), kept.Lengths().end()),
                  std::vector(fresh.Lengths().begin(), fresh.Lengths().end()));
        EXPECT_EQ(kept.effectiveLength, fresh.effectiveLength);
        EXPECT_EQ(std::vector(kept.PredictedStarts().begin(), kept.PredictedStarts().end()),
                  std::vector(fresh.PredictedStarts().begin(), fresh.PredictedStarts().end()));
    }

    ScratchFolder scratch_;
    std::unique_ptr<FileSystem> files_ = MakePlatformFileSystem();
    RecordingPrompts prompts;
    MemoryRegistryKey key;
    bool keyOpens = true;
    JournalSession session{*files_, prompts, [this]() -> std::unique_ptr<RegistryKey> {
                               if (!keyOpens)
                                   return nullptr;
                               return std::make_unique<KeyView>(key);
                           }};
    int welcomeShown = 0;
    std::optional<std::string> askedPassword;
};

TEST_F(JournalSessionTest, StartChoosesTheUserAsksThePasswordOnlyWhenSetAndLoads) {
    const struct {
        const char* name;
        std::optional<std::string> lastUser;
        std::optional<std::string> password;
        int welcomeChoice;
        int expectedUser;
        int expectedWelcomes;
    } cases[] = {
        {"the last user", "PPC - Anna", std::nullopt, 0, 1, 0},
        {"an unknown last user is the local one", "Beth", std::nullopt, 1, 0, 0},
        {"no last user: the welcome dialog", std::nullopt, std::nullopt, 1, 1, 1},
        {"with a password", "PPC - Anna", "secret", 0, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryRegistryKey stored;
        if (c.lastUser)
            stored.WriteString("LastUser", *c.lastUser);
        if (c.password)
            stored.WriteString("Quorv", *c.password);
        WriteJournal(1, {kFirstFlow, kSecondFlow});
        RecordingPrompts quiet;
        const std::unique_ptr<FileSystem> files = MakePlatformFileSystem();
        JournalSession started(*files, quiet,
                               [&stored] { return std::make_unique<KeyView>(stored); });
        int welcomes = 0;
        std::optional<std::string> asked;
        started.Start(Users(), {[&](const UserList&) {
                                    ++welcomes;
                                    return c.welcomeChoice;
                                },
                                [&](const std::string& password) { asked = password; }});
        EXPECT_EQ(started.CurrentUser(), c.expectedUser);
        EXPECT_EQ(welcomes, c.expectedWelcomes);
        // Refusing the password ends the program elsewhere: the journal still loads.
        EXPECT_EQ(asked, c.password);
        EXPECT_EQ(started.Analysis().cycleCount, c.expectedUser == 1 ? 2 : 0);
        EXPECT_EQ(started.CurrentSettings().lastUser, Users().names[c.expectedUser]);
        EXPECT_EQ(stored.WriteOrder().size(), (c.lastUser ? 1u : 0u) + (c.password ? 1u : 0u))
            << "start-up writes nothing";
    }
}

TEST_F(JournalSessionTest, WithoutASettingsKeyStartUsesTheDefaultsAndWritesNothing) {
    keyOpens = false;
    key.WriteString("LastUser", "PPC - Anna");
    Start(0);
    EXPECT_EQ(welcomeShown, 1) << "the stored last user is out of reach";
    EXPECT_TRUE(session.SwitchUser(1));
    session.WriteLastUser();
    EXPECT_EQ(key.WriteOrder(), std::vector<std::string>{"LastUser"}) << "only the test's write";
}

TEST_F(JournalSessionTest, SwitchSavesTheOldJournalLoadsTheNewAndWritesTheLastUser) {
    WriteJournal(1, {kFirstFlow, kSecondFlow});
    Start(0);
    session.EditableDays().At(kFirstFlow).Status = 2;
    session.JournalChanged();
    ASSERT_EQ(session.Analysis().cycleCount, 1);

    EXPECT_TRUE(session.SwitchUser(1));
    EXPECT_EQ(session.CurrentUser(), 1);
    EXPECT_EQ(session.Analysis().cycleCount, 2) << "the new user's journal, analysed";
    ExpectFreshAnalysis();
    std::string lastUser;
    ASSERT_EQ(key.ReadString("LastUser", lastUser), RegistryRead::Found);
    EXPECT_EQ(lastUser, "PPC - Anna");
    EXPECT_EQ(key.WriteOrder(), std::vector<std::string>{"LastUser"});

    Journal saved(*files_, prompts);
    saved.LoadData(FileOf(0));
    EXPECT_EQ(saved.Days().At(kFirstFlow).Status, 2) << "the old user's edit was saved";
}

TEST_F(JournalSessionTest, SwitchingToTheCurrentUserOrOneTheListLacksDoesNothing) {
    Start(0);
    session.EditableDays().At(kFirstFlow).Status = 2;
    for (const int user : {0, -1, 2}) {
        SCOPED_TRACE(user);
        EXPECT_FALSE(session.SwitchUser(user));
        EXPECT_EQ(session.CurrentUser(), 0);
    }
    EXPECT_FALSE(std::filesystem::exists(FileOf(0))) << "nothing saved";
    EXPECT_TRUE(key.WriteOrder().empty());
}

TEST_F(JournalSessionTest, ASaveRequestBeforeStartIsIgnoredAndAfterItSaves) {
    WriteJournal(0, {kFirstFlow});
    const std::vector<std::uint8_t> before = testing::ReadBytes(FileOf(0));
    session.SaveRequest();
    EXPECT_EQ(testing::ReadBytes(FileOf(0)), before) << "no empty table over the user's file";

    Start(0);
    session.EditableDays().At(kSecondFlow).Status = 2;
    session.SaveRequest();
    Journal saved(*files_, prompts);
    saved.LoadData(FileOf(0));
    EXPECT_EQ(saved.Days().At(kSecondFlow).Status, 2);
}

TEST_F(JournalSessionTest, ReloadReadsTheFileAgainAndAnalysesIt) {
    Start(0);
    EXPECT_EQ(session.Analysis().cycleCount, 0);
    WriteJournal(0, {kFirstFlow, kSecondFlow}); // the provider wrote the file
    session.Reload();
    EXPECT_EQ(session.Days().At(kSecondFlow).Status, 2);
    EXPECT_EQ(session.Analysis().cycleCount, 2);
    ExpectFreshAnalysis();
}

TEST_F(JournalSessionTest, ProviderRequestsDuringStartUpWaitForTheChosenUsersJournal) {
    WriteJournal(0, {kFirstFlow});
    WriteJournal(1, {kFirstFlow, kSecondFlow});
    const std::vector<std::uint8_t> chosenFile = testing::ReadBytes(FileOf(1));
    key.WriteString("Quorv", "pw");
    EXPECT_NO_THROW(session.Reload()) << "during the splash: no user yet";
    // The requests arrive while the welcome dialog and the password prompt show.
    session.Start(Users(), {[this](const UserList&) {
                                session.Reload();
                                return 1;
                            },
                            [this](const std::string&) { session.SaveRequest(); }});
    EXPECT_EQ(testing::ReadBytes(FileOf(1)), chosenFile) << "no other user's table written";
    EXPECT_EQ(session.Analysis().cycleCount, 2);
}

TEST_F(JournalSessionTest, OnlyClosingTellsWhereTheSavesKeptWhatTheJournalCouldNotTake) {
    testing::FaultyFileSystem faulty(testing::FaultAt::Read);
    JournalSession unread(faulty, prompts, [this] { return std::make_unique<KeyView>(key); });
    WriteJournal(0, {kFirstFlow});
    unread.Start(Users(), {[](const UserList&) { return 0; }, [](const std::string&) {}});
    ASSERT_EQ(prompts.ioErrors.size(), 1u) << "the failed read is told at once";
    unread.EditableDays().At(kSecondFlow).Status = 2;

    unread.SaveRequest();
    EXPECT_EQ(prompts.ioErrors.size(), 1u) << "the provider waits: nothing told";
    unread.SaveOnClose();
    ASSERT_EQ(prompts.ioErrors.size(), 2u);
    EXPECT_NE(prompts.ioErrors[1].find(scratch_.File("lunea")), std::string::npos)
        << prompts.ioErrors[1];
}

TEST_F(JournalSessionTest, AJournalThatCannotBeWrittenNowKeepsTheEditsBesideItAndSaysSoOnce) {
    enum class Leave { Reload, Close, Switch };
    const struct {
        bool edited;
        Leave leave;
    } cases[] = {{true, Leave::Reload},  {true, Leave::Close},  {true, Leave::Switch},
                 {false, Leave::Reload}, {false, Leave::Close}, {false, Leave::Switch}};
    for (const auto& c : cases) {
        WriteJournal(0, {kFirstFlow});
        const std::vector<std::uint8_t> original = testing::ReadBytes(FileOf(0));
        const std::string recovery = FileOf(0) + ".recovered";
        testing::FaultyFileSystem faulty(testing::FaultAt::Nothing);
        RecordingPrompts told;
        JournalSession held(faulty, told, [this] { return std::make_unique<KeyView>(key); });
        held.Start(Users(), {[](const UserList&) { return 0; }, [](const std::string&) {}});
        if (c.edited)
            held.EditableDays().At(kSecondFlow).Status = 2;
        faulty.AddFault(testing::FaultAt::OpenHeld); // another program holds it now

        held.SaveRequest();
        EXPECT_TRUE(told.ioErrors.empty()) << "the provider waits: nothing told";
        if (c.leave == Leave::Reload)
            held.Reload();
        else if (c.leave == Leave::Close)
            held.SaveOnClose();
        else
            held.SwitchUser(1);
        held.SaveOnClose();

        EXPECT_EQ(testing::ReadBytes(FileOf(0)), original);
        EXPECT_EQ(std::filesystem::exists(recovery), c.edited);
        ASSERT_EQ(told.ioErrors.size(), c.edited ? 1u : 0u);
        if (c.edited) {
            EXPECT_NE(told.ioErrors[0].find(recovery), std::string::npos) << told.ioErrors[0];
        }
        std::filesystem::remove(recovery);
    }
}

TEST_F(JournalSessionTest, ADeviceUserWhoseFolderIsMissingLosesNothingAndHearsOnlyOfDays) {
    const UserList users{{"Lunea", "PPC - Bea"},
                         {scratch_.File("lunea") + "/", scratch_.File("bea") + "/"}};
    const std::string spare = scratch_.File("lunea") + "/Lunea.dat.recovered";
    for (const bool recorded : {false, true})
        for (const bool switching : {false, true}) {
            key = MemoryRegistryKey(); // no last user: the welcome dialog picks her
            RecordingPrompts told;
            JournalSession device(*files_, told, [this] { return std::make_unique<KeyView>(key); });
            device.Start(users, {[](const UserList&) { return 1; }, [](const std::string&) {}});
            if (recorded)
                device.EditableDays().At(kFirstFlow).Status = 2;
            if (switching)
                device.SwitchUser(0);
            else
                device.SaveOnClose();

            EXPECT_FALSE(std::filesystem::exists(scratch_.File("bea")));
            ASSERT_EQ(told.ioErrors.size(), recorded ? 1u : 0u) << "switching " << switching;
            EXPECT_EQ(std::filesystem::exists(spare), recorded);
            if (recorded) {
                EXPECT_NE(told.ioErrors[0].find(spare), std::string::npos) << told.ioErrors[0];
                Journal kept(*files_, told);
                kept.LoadData(spare);
                EXPECT_EQ(kept.Days().At(kFirstFlow).Status, 2);
            }
            std::filesystem::remove(spare);
        }
}

TEST_F(JournalSessionTest, TakingOverThePreferencesWritesEverySettingAndTellsOfAClearedPassword) {
    const struct {
        const char* name;
        const char* stored;
        const char* typed;
        bool told;
    } cases[] = {
        {"cleared", "secret", "", true},
        {"kept", "secret", "secret", false},
        {"set", "", "new", false},
        {"none", "", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryRegistryKey stored;
        stored.WriteString("Quorv", c.stored);
        RecordingPrompts told;
        JournalSession started(*files_, told,
                               [&stored] { return std::make_unique<KeyView>(stored); });
        started.Start(Users(), {[](const UserList&) { return 0; }, [](const std::string&) {}});

        PrefsValues values = PrefsValuesOf(started.CurrentSettings());
        values.password = c.typed;
        values.fahrenheit = true;
        started.TakeOverPrefs(values);

        EXPECT_EQ(told.messages, c.told ? std::vector<std::string>{"Password is disabled!"}
                                        : std::vector<std::string>{});
        MemoryRegistryKey expected;
        expected.WriteString("Quorv", c.stored);
        ASSERT_TRUE(WriteAllSettings(expected, started.CurrentSettings()));
        EXPECT_EQ(stored.WriteOrder(), expected.WriteOrder());
        EXPECT_EQ(ReadSettings(stored).password, c.typed);
        EXPECT_TRUE(ReadSettings(stored).useFahrenheit);
        EXPECT_EQ(ReadSettings(stored).lastUser, "Lunea");
    }
}

TEST_F(JournalSessionTest, TheAnalysisFollowsEveryChangeWithoutAnyPageDrawing) {
    WriteJournal(0, {kFirstFlow});
    Start(0);
    ASSERT_EQ(session.Analysis().cycleCount, 1);

    session.EditableDays().At(kSecondFlow).Status = 2;
    session.JournalChanged();
    EXPECT_EQ(session.Analysis().cycleCount, 2);
    ExpectFreshAnalysis();

    // A fixed cycle length moves the predictions at once.
    const int predictedBefore = session.Analysis().PredictedStarts()[0];
    PrefsValues values = PrefsValuesOf(session.CurrentSettings());
    values.customCycle = true;
    values.customDays = "35";
    session.TakeOverPrefs(values);
    EXPECT_EQ(session.Analysis().effectiveLength, 35);
    EXPECT_NE(session.Analysis().PredictedStarts()[0], predictedBefore);
    ExpectFreshAnalysis();

    // What the Preferences page does at once, before it is left.
    session.RestoreDefaultPrefs();
    EXPECT_EQ(session.Analysis().PredictedStarts()[0], predictedBefore);
    ExpectFreshAnalysis();
    prompts.answerYes = true;
    session.ClearDatabase({2026, 4, 1, 12, 0});
    EXPECT_EQ(session.Analysis().cycleCount, 0);
}

TEST_F(JournalSessionTest, ClearDatabaseCopiesTheJournalFirstAndAFailedCopyKeepsTheDays) {
    const struct {
        testing::FaultAt fault;
        bool cleared;
    } cases[] = {{testing::FaultAt::Nothing, true},
                 {testing::FaultAt::CreateFolder, false},
                 {testing::FaultAt::Write, false}};
    for (const auto& c : cases) {
        std::filesystem::remove_all(BackupFolderFor(FileOf(0)));
        WriteJournal(0, {kFirstFlow});
        const std::vector<std::uint8_t> original = testing::ReadBytes(FileOf(0));
        testing::FaultyFileSystem faulty(testing::FaultAt::Nothing);
        RecordingPrompts told;
        JournalSession clearing(faulty, told, [this] { return std::make_unique<KeyView>(key); });
        clearing.Start(Users(), {[](const UserList&) { return 0; }, [](const std::string&) {}});
        faulty.SetFault(c.fault);
        clearing.ClearDatabase({2026, 4, 1, 12, 0});
        EXPECT_EQ(clearing.Days().At(kFirstFlow).Status == 0, c.cleared);
        EXPECT_EQ(told.ioErrors.size(), c.cleared ? 0u : 1u);
        const std::vector<BackupEntry> backups = ListBackups(*files_, FileOf(0));
        ASSERT_EQ(backups.size(), c.cleared ? 1u : 0u);
        if (c.cleared) {
            EXPECT_EQ(testing::ReadBytes(backups[0].path), original);
        }
    }
}

TEST_F(JournalSessionTest, TheTransferWritesTheCurrentJournalForAnotherUser) {
    WriteJournal(0, {kFirstFlow});
    Start(0);
    session.Transfer([this](Journal& journal, const UserList& users, int currentUser) {
        EXPECT_EQ(currentUser, 0);
        EXPECT_EQ(journal.WriteTableTo(users.DataFile(1)), std::nullopt);
    });
    Journal transferred(*files_, prompts);
    transferred.LoadData(FileOf(1));
    EXPECT_EQ(transferred.Days().At(kFirstFlow).Status, 2);
}

} // namespace
} // namespace lunea
