// The update run when a file is missing, locked or cannot be copied, and when the manifest
// cannot be written.
#include "run_fixture.h"

namespace install_test {
namespace {

using install::EIniFileException;
using install::MessageKind;

TEST_F(RunTest, MissingStagedFileIsReportedAndRetiredThenTheNextEntryGoesOn) {
    SetUpProduct();
    SetCount("2");
    AddEntry(1, "Pellix.exe", "C:\\Apps\\Demo");
    AddEntry(2, "report.dll", "C:\\Apps\\Demo", false);
    files.AddFile("C:\\Apps\\Demo\\report.dll", "old report.dll");
    processes.Add(5, "report.dll");  // not even looked for

    Run();

    ExpectEvents(Start() + Open() +
                 Message(MessageKind::Warning,
                         "Le fichier [C:\\Apps\\Demo\\Update\\report.dll] n'existe pas. Veuillez "
                         "rechercher les mises \xE0 jour \xE0 l'aide de Brindova.") +
                 Retire(2) + Install("Pellix.exe", kMainProduct) + Retire(1) + End());
    EXPECT_EQ(files.Contents("C:\\Apps\\Demo\\report.dll"),
              std::optional<std::string>("old report.dll"));
    EXPECT_EQ(processes.SnapshotsTaken(), 1);  // for Pellix.exe only
}

TEST_F(RunTest, CountBeyondTheSectionsReadsAnEmptyNameAndRetiresIt) {
    SetUpProduct();
    SetCount("1");
    files.AddFile(std::string(kApp) + "Update\\other.dll", "staged");

    Run();

    // The staging path is the staging folder itself, which is no file.
    ExpectEvents(Start() + Open() +
                 Message(MessageKind::Warning, install::TextStagedFileMissing(Staged(""))) +
                 Retire(1) + End());
    EXPECT_EQ(manifest.Text(), "[Main]\nNbFilesToInstal=0\n");
}

// Names the search would take as patterns matching a staged file: they are no file.
class WildcardNameTable : public RunTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(WildcardNameTable, IsAMissingStagedFile) {
    SetUpProduct();
    SetCount("1");
    AddEntry(1, GetParam(), "C:\\Apps\\Demo", false);
    files.AddFile(Staged("Pellix.exe"), "new Pellix.exe");

    Run();

    ExpectEvents(Start() + Open() +
                 Message(MessageKind::Warning, install::TextStagedFileMissing(Staged(GetParam()))) +
                 Retire(1) + End());
    EXPECT_EQ(files.Contents(kMainProduct), std::optional<std::string>("old Pellix.exe"));
    EXPECT_EQ(files.Contents(Staged("Pellix.exe")), std::optional<std::string>("new Pellix.exe"));
}

INSTANTIATE_TEST_SUITE_P(Names, WildcardNameTable,
                         ::testing::Values("*.exe", "Pelli?.exe", "*", "P*x.exe"));

TEST_F(RunTest, LockedTargetAsksTheUserThenWaitsUntilItIsGone) {
    SetUpProduct();
    SetCount("1");
    AddEntry(1, "Pellix.exe", "C:\\Apps\\Demo\\");
    files.MakeUndeletable(kMainProduct, 1000);
    clock.AfterSleep(3, [this] { files.RemoveByHand(kMainProduct); });

    Run();

    ExpectEvents(Start() + Open() + Remove("Pellix.exe", kMainProduct) +
                 Message(MessageKind::Warning,
                         "Impossible de supprimer le fichier [C:\\Apps\\Demo\\Pellix.exe]. Veuillez "
                         "le supprimer manuellement et cliquer ensuite sur \"OK\".") +
                 Events{"sleep:200", "pump", "sleep:200", "pump", "sleep:200",
                        "user:remove:C:\\Apps\\Demo\\Pellix.exe", "pump"} +
                 Copy("Pellix.exe", Staged("Pellix.exe"), kMainProduct) +
                 Events{"delete:" + Staged("Pellix.exe")} + Retire(1) + End());
    EXPECT_EQ(files.Contents(kMainProduct), std::optional<std::string>("new Pellix.exe"));
}

TEST_F(RunTest, TargetLockedOnceIsNotDeletedAgainButWaitedFor) {
    SetUpProduct();
    SetCount("1");
    AddEntry(1, "Pellix.exe", "C:\\Apps\\Demo");
    files.MakeUndeletable(kMainProduct, 1);  // a second RemoveFile would succeed
    clock.AfterSleep(2, [this] { files.RemoveByHand(kMainProduct); });

    Run();

    EXPECT_EQ(journal.Only("delete:" + std::string(kMainProduct)).size(), 1u);
    EXPECT_EQ(clock.Sleeps(), 2);
    EXPECT_EQ(files.Contents(kMainProduct), std::optional<std::string>("new Pellix.exe"));
}

TEST_F(RunTest, CopyIntoAMissingFolderKeepsTheStagedFileAndRetiresTheEntry) {
    SetUpProduct();
    SetCount("1");
    AddEntry(1, "report.dll", "C:\\Apps\\Gone");

    Run();

    ExpectEvents(Start() + Open() + Remove("report.dll", "C:\\Apps\\Gone\\report.dll", false) +
                 Copy("report.dll", Staged("report.dll"), "C:\\Apps\\Gone\\report.dll") +
                 Message(MessageKind::Error,
                         "Impossible de copier le fichier [C:\\Apps\\Demo\\Update\\report.dll]\rvers "
                         "[C:\\Apps\\Gone\\report.dll]. Veuillez le copier manuellement ou "
                         "r\xE9" "essayer ult\xE9rieurement") +
                 Retire(1) + End());
    EXPECT_EQ(files.Contents(Staged("report.dll")), std::optional<std::string>("new report.dll"));
    EXPECT_EQ(manifest.Text(), "[Main]\nNbFilesToInstal=0\n");
}

TEST_F(RunTest, TargetRecreatedBeforeTheCopyLosesTheOldVersionAndKeepsTheNewOne) {
    SetUpProduct();
    SetCount("1");
    AddEntry(1, "Pellix.exe", "C:\\Apps\\Demo");
    journal.On("status:" + install::StatusInstalling("Pellix.exe"),
               [this] { files.AddFile(kMainProduct, "someone else's"); });

    Run();

    ExpectEvents(Start() + Open() + Remove("Pellix.exe", kMainProduct) +
                 Copy("Pellix.exe", Staged("Pellix.exe"), kMainProduct) +
                 Message(MessageKind::Error,
                         install::TextCannotCopy(Staged("Pellix.exe"), kMainProduct)) +
                 Retire(1) + End());
    EXPECT_EQ(files.Contents(kMainProduct), std::optional<std::string>("someone else's"));
    EXPECT_EQ(files.Contents(Staged("Pellix.exe")), std::optional<std::string>("new Pellix.exe"));
}

// Two entries; the first retirement fails. The error leaves only after release and close.
class ManifestWriteFailure : public RunTest {
protected:
    void SetUp() override {
        SetUpProduct();
        SetCount("2");
        AddEntry(1, "Pellix.exe", "C:\\Apps\\Demo");
        AddEntry(2, "report.dll", "C:\\Apps\\Demo");
    }

    void RunExpectingTheWriteError() {
        try {
            Run();
            ADD_FAILURE() << "the write error did not escape";
        } catch (const EIniFileException& error) {
            EXPECT_STREQ(error.what(), "Impossible d'\xE9" "crire dans C:\\Apps\\Demo\\Maj.ini");
        }
    }

    void ExpectEntryOneUntouched() {
        EXPECT_EQ(files.Contents(kMainProduct), std::optional<std::string>("old Pellix.exe"));
        EXPECT_EQ(files.Contents(Staged("Pellix.exe")), std::optional<std::string>("new Pellix.exe"));
    }

    const Events installedTwo_ = Start() + Open() +
                                 Remove("report.dll", "C:\\Apps\\Demo\\report.dll", false) +
                                 Copy("report.dll", Staged("report.dll"), "C:\\Apps\\Demo\\report.dll") +
                                 Events{"delete:" + Staged("report.dll")};
};

TEST_F(ManifestWriteFailure, FailedCountWriteStopsTheRunWithTheEntryStillListed) {
    manifest.FailWritesFrom(1);

    RunExpectingTheWriteError();

    ExpectEvents(installedTwo_ + Events{"write-failed:Main/NbFilesToInstal=1"} + End());
    EXPECT_EQ(files.Contents("C:\\Apps\\Demo\\report.dll"),
              std::optional<std::string>("new report.dll"));
    ExpectEntryOneUntouched();
    EXPECT_EQ(manifest.Text(),
              "[Main]\nNbFilesToInstal=2\n"
              "[File_1]\nName=Pellix.exe\nDestination=C:\\Apps\\Demo\n"
              "[File_2]\nName=report.dll\nDestination=C:\\Apps\\Demo\n");
    EXPECT_EQ(manifest.Released(), 1);
}

TEST_F(ManifestWriteFailure, FailedEraseStopsTheRunWithTheCountAlreadyLowered) {
    manifest.FailErases();

    RunExpectingTheWriteError();

    ExpectEvents(installedTwo_ + Events{"write:Main/NbFilesToInstal=1", "erase-failed:File_2"} +
                 End());
    ExpectEntryOneUntouched();
    EXPECT_EQ(manifest.Text(),
              "[Main]\nNbFilesToInstal=1\n"
              "[File_1]\nName=Pellix.exe\nDestination=C:\\Apps\\Demo\n"
              "[File_2]\nName=report.dll\nDestination=C:\\Apps\\Demo\n");
}

TEST_F(ManifestWriteFailure, FailedRetirementAfterAMissingStagedFileStopsTheRunToo) {
    files.RemoveByHand(Staged("report.dll"));
    manifest.FailWritesFrom(1);

    RunExpectingTheWriteError();

    ExpectEvents(Events{"user:remove:" + Staged("report.dll")} + Start() + Open() +
                 Message(MessageKind::Warning, install::TextStagedFileMissing(Staged("report.dll"))) +
                 Events{"write-failed:Main/NbFilesToInstal=1"} + End());
    ExpectEntryOneUntouched();
}

}  // namespace
}  // namespace install_test
