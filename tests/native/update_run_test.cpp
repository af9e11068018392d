// The update run on its ordinary paths: preconditions, the count, and entries installed in order.
#include "run_fixture.h"

namespace install_test {
namespace {

using install::MessageKind;

TEST_F(RunTest, TypicalRunWaitsForTheProgramThenReplacesIt) {
    SetUpProduct();
    SetCount("1");
    AddEntry(1, "Pellix.exe", "C:\\Apps\\Demo");
    processes.Add(8, "C:\\Windows\\explorer.exe");
    processes.Add(77, "C:\\Apps\\Demo\\PELLIX.EXE");
    clock.AfterSleep(2, ProgramExits(77));

    Run();

    // Spelled out once in full, bytes of code page 1252 included.
    ExpectEvents({"disable-timer", "pump", "status:", "show-status",
                  "open:C:\\Apps\\Demo\\Maj.ini",
                  "status:Attente de fermeture de Pellix.exe...", "pump",
                  "message:information:Veuiller fermer le programme [Pellix.exe] afin de "
                  "poursuivre les mises \xE0 jour.",
                  "status:Attente de la fermeture\rde Pellix.exe", "pump", "sleep:200",
                  "status:Attente de la fermeture\rde Pellix.exe", "pump", "sleep:200",
                  "user:exit:77",
                  "status:Suppression de l'ancienne\rversion de Pellix.exe...", "pump",
                  "delete:C:\\Apps\\Demo\\Pellix.exe",
                  "status:Installation de la nouvelle\rversion de Pellix.exe...", "pump",
                  "copy:C:\\Apps\\Demo\\Update\\Pellix.exe -> C:\\Apps\\Demo\\Pellix.exe",
                  "delete:C:\\Apps\\Demo\\Update\\Pellix.exe",
                  "write:Main/NbFilesToInstal=0", "erase:File_1",
                  "release", "close"});
    EXPECT_EQ(files.Contents(kMainProduct), std::optional<std::string>("new Pellix.exe"));
    EXPECT_FALSE(files.Contents(Staged("Pellix.exe")));
    EXPECT_EQ(manifest.Text(), "[Main]\nNbFilesToInstal=0\n");
    EXPECT_EQ(processes.SnapshotsTaken(), 4);  // the first look and three polls
    ExpectSnapshotsReleased();
    EXPECT_EQ(manifest.Released(), 1);
}

TEST_F(RunTest, EntriesAreInstalledFromTheLastToTheFirst) {
    SetUpProduct();
    manifest.Set("Notes", "Text", "left alone");
    SetCount("2");
    AddEntry(1, "Pellix.exe", "C:\\Apps\\Demo");
    AddEntry(2, "report.dll", "C:\\Apps\\Demo\\Modules\\");
    files.AddFile("C:\\Apps\\Demo\\Modules\\report.dll", "old report.dll");
    processes.Add(8, "C:\\Windows\\explorer.exe");

    Run();

    ExpectEvents(Start() + Open() + Install("report.dll", "C:\\Apps\\Demo\\Modules\\report.dll") +
                 Retire(2) + Install("Pellix.exe", kMainProduct) + Retire(1) + End());
    EXPECT_EQ(files.Files(), (std::map<std::string, std::string>{
                                 {"C:\\Apps\\Demo\\Maj.exe", "installer"},
                                 {"C:\\Apps\\Demo\\Maj.ini", "manifest"},
                                 {"C:\\Apps\\Demo\\Modules\\report.dll", "new report.dll"},
                                 {"C:\\Apps\\Demo\\Pellix.exe", "new Pellix.exe"}}));
    EXPECT_EQ(manifest.Text(), "[Notes]\nText=left alone\n[Main]\nNbFilesToInstal=0\n");
    EXPECT_EQ(clock.Sleeps(), 0);
    EXPECT_EQ(processes.SnapshotsTaken(), 2);
    ExpectSnapshotsReleased();
}

TEST_F(RunTest, SectionAndKeyNamesInAnyCaseAreFound) {
    SetUpProduct();
    manifest.Set("main", "nbfilestoinstal", "1");
    manifest.Set("FILE_1", "NAME", "report.dll");
    manifest.Set("FILE_1", "destination", "C:\\Apps\\Demo");
    files.AddFile(Staged("report.dll"), "new report.dll");

    Run();

    ExpectEvents(Start() + Open() + Remove("report.dll", "C:\\Apps\\Demo\\report.dll", false) +
                 Copy("report.dll", Staged("report.dll"), "C:\\Apps\\Demo\\report.dll") +
                 Events{"delete:" + Staged("report.dll")} + Retire(1) + End());
    EXPECT_EQ(manifest.Text(), "[main]\nnbfilestoinstal=0\n");
}

TEST_F(RunTest, MissingMainProductStopsBeforeTheManifest) {
    files.AddFile(kInstaller, "installer");
    files.AddFile(kManifest, "manifest");
    SetCount("1");
    AddEntry(1, "report.dll", "C:\\Apps\\Demo");

    Run();

    ExpectEvents(Start() +
                 Message(MessageKind::Warning,
                         "Veuillez installer ce programme dans le m\xEAme r\xE9pertoire que Brindova.") +
                 Events{"close-timer"});
    EXPECT_EQ(manifest.Opened(), 0);
    EXPECT_TRUE(files.Contents(Staged("report.dll")));
}

TEST_F(RunTest, MissingManifestSaysThereIsNothingToDo) {
    files.AddFile(kInstaller, "installer");
    files.AddFile(kMainProduct, "old Pellix.exe");

    Run();

    ExpectEvents(Start() +
                 Message(MessageKind::Information, "Aucune mise \xE0 jour \xE0 effectuer.") +
                 Events{"close-timer"});
    EXPECT_EQ(manifest.Opened(), 0);
}

TEST_F(RunTest, ManifestIsLookedForBesideTheInstallerUnderItsName) {
    files.AddFile(kMainProduct, "old Pellix.exe");
    files.AddFile("C:\\Apps\\Demo\\Update.ini", "someone else's");  // not the installer's name
    files.AddFile("C:\\Apps\\Demo\\Maj.exe.ini", "not the rule either");

    Run();

    ExpectEvents(Start() + Message(MessageKind::Information, install::TextNothingToUpdate()) +
                 Events{"close-timer"});
}

// A count that installs nothing: no message, nothing changed, closed at once after the release.
class NothingPendingTable : public RunTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(NothingPendingTable, ClosesAtOnceWithoutAMessage) {
    SetUpProduct();
    if (GetParam() != nullptr) SetCount(GetParam());
    AddEntry(1, "Pellix.exe", "C:\\Apps\\Demo");
    const std::string before = manifest.Text();
    const auto filesBefore = files.Files();

    Run();

    ExpectEvents(Start() + Open() + End());
    EXPECT_EQ(manifest.Text(), before);
    EXPECT_EQ(files.Files(), filesBefore);
    EXPECT_EQ(processes.SnapshotsTaken(), 0);
}

INSTANTIATE_TEST_SUITE_P(Counts, NothingPendingTable,
                         ::testing::Values(nullptr, "0", "-1", "", "two", "2x", " 1 ", "0x",
                                           "-0x2", "0xFFFFFFFF", "-2147483648", "2147483648"));

TEST_F(RunTest, HexCountsAreEntryCounts) {
    SetUpProduct();
    SetCount("$2");
    AddEntry(1, "a.dll", "C:\\Apps\\Demo", false);
    AddEntry(2, "b.dll", "C:\\Apps\\Demo", false);

    Run();

    ExpectEvents(Start() + Open() +
                 Message(MessageKind::Warning, install::TextStagedFileMissing(Staged("b.dll"))) +
                 Retire(2) +
                 Message(MessageKind::Warning, install::TextStagedFileMissing(Staged("a.dll"))) +
                 Retire(1) + End());
}

TEST_F(RunTest, EmptyDestinationInstallsTheBareName) {
    SetUpProduct();
    SetCount("1");
    AddEntry(1, "report.dll", "");
    files.AddFile("report.dll", "old report.dll");  // in the current directory

    Run();

    ExpectEvents(Start() + Open() + Install("report.dll", "report.dll") + Retire(1) + End());
    EXPECT_EQ(files.Contents("report.dll"), std::optional<std::string>("new report.dll"));
}

TEST_F(RunTest, NameWithAFolderPartIsUsedAsItIsAndIsNeverARunningProgram) {
    SetUpProduct();
    SetCount("1");
    AddEntry(1, "sub\\x.dll", "C:\\Apps\\Demo");
    files.AddFile("C:\\Apps\\Demo\\sub\\x.dll", "old x.dll");
    processes.Add(9, "C:\\Apps\\Demo\\sub\\x.dll");
    processes.Add(10, "x.dll");

    Run();

    ExpectEvents(Start() + Open() + Install("sub\\x.dll", "C:\\Apps\\Demo\\sub\\x.dll") +
                 Retire(1) + End());
    EXPECT_EQ(files.Contents("C:\\Apps\\Demo\\sub\\x.dll"),
              std::optional<std::string>("new sub\\x.dll"));
}

TEST_F(RunTest, EveryEntryIsRetiredExactlyOnceWhateverBecameOfIt) {
    SetUpProduct();
    SetCount("3");
    AddEntry(1, "c.dll", "C:\\Missing");          // copy fails: M6
    AddEntry(2, "b.dll", "C:\\Apps\\Demo", false);  // not staged: M3
    AddEntry(3, "a.dll", "C:\\Apps\\Demo");         // installed

    Run();

    EXPECT_EQ(journal.Only("write"), (Events{"write:Main/NbFilesToInstal=2",
                                             "write:Main/NbFilesToInstal=1",
                                             "write:Main/NbFilesToInstal=0"}));
    EXPECT_EQ(journal.Only("erase"), (Events{"erase:File_3", "erase:File_2", "erase:File_1"}));
    EXPECT_EQ(journal.Only("message"),
              (Events{"message:warning:" + install::TextStagedFileMissing(Staged("b.dll")),
                      "message:error:" + install::TextCannotCopy(Staged("c.dll"),
                                                                 "C:\\Missing\\c.dll")}));
    EXPECT_EQ(manifest.Text(), "[Main]\nNbFilesToInstal=0\n");
}

}  // namespace
}  // namespace install_test
