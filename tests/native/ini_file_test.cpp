// The integer operations over the string ones, the write error, and how entries are retired.
#include <gtest/gtest.h>

#include "fake_ini_file.h"
#include "install/ini_file.h"
#include "install/manifest.h"

namespace {

using namespace install;
using install_test::FakeIniFile;
using install_test::IniStore;
using install_test::Journal;

const char* const kPath = "C:\\Apps\\Demo\\Maj.ini";

class Manifest : public ::testing::Test {
protected:
    Journal journal;
    IniStore store{journal, kPath};
    FakeIniFile file{store};
};

TEST_F(Manifest, ReadIntegerParsesTheTextOrFallsBackToTheDefault) {
    store.Set("main", "nbfilestoinstal", "0x2");
    EXPECT_EQ(file.ReadInteger("Main", "NbFilesToInstal", 7), 2);
    EXPECT_EQ(ReadPendingCount(file), 2);
    store.Set("Main", "NbFilesToInstal", "-0x2");
    EXPECT_EQ(ReadPendingCount(file), -2);
    store.Set("Main", "NbFilesToInstal", "2 ");
    EXPECT_EQ(file.ReadInteger("Main", "NbFilesToInstal", 7), 7);
    EXPECT_EQ(ReadPendingCount(file), 0);
    store.Set("Main", "NbFilesToInstal", "");
    EXPECT_EQ(file.ReadInteger("Main", "NbFilesToInstal", 7), 7);
    EXPECT_EQ(file.ReadInteger("Main", "Other", -5), -5);
    EXPECT_EQ(file.ReadInteger("Nowhere", "NbFilesToInstal", 3), 3);
}

TEST_F(Manifest, WriteIntegerWritesPlainDecimal) {
    const std::pair<std::int32_t, const char*> cases[] = {
        {0, "0"}, {1, "1"}, {-1, "-1"}, {INT32_MAX, "2147483647"}, {INT32_MIN, "-2147483648"}};
    for (const auto& c : cases) {
        file.WriteInteger("Main", "NbFilesToInstal", c.first);
        EXPECT_EQ(store.Get("Main", "NbFilesToInstal"), std::optional<std::string>(c.second));
    }
}

TEST_F(Manifest, ReadEntryGivesEmptyTextsForMissingKeys) {
    store.Set("FILE_2", "name", "report.dll");
    store.Set("File_10", "Destination", "C:\\Apps\\Demo\\Modules\\");
    const ManifestEntry two = ReadEntry(file, 2);
    EXPECT_EQ(two.name, "report.dll");
    EXPECT_EQ(two.destination, "");
    const ManifestEntry ten = ReadEntry(file, 10);
    EXPECT_EQ(ten.name, "");
    EXPECT_EQ(ten.destination, "C:\\Apps\\Demo\\Modules\\");
    const ManifestEntry missing = ReadEntry(file, 1);
    EXPECT_EQ(missing.name, "");
    EXPECT_EQ(missing.destination, "");
}

TEST_F(Manifest, RetireWritesTheLowerCountThenErasesTheSection) {
    store.Set("Main", "NbFilesToInstal", "2");
    store.Set("Main", "Version", "7");
    store.Set("File_1", "Name", "a.dll");
    store.Set("File_2", "Name", "b.dll");
    store.Set("Notes", "Text", "kept");
    RetireEntry(file, 2);
    EXPECT_EQ(journal.Events(),
              (std::vector<std::string>{"write:Main/NbFilesToInstal=1", "erase:File_2"}));
    EXPECT_EQ(store.Text(),
              "[Main]\nNbFilesToInstal=1\nVersion=7\n[File_1]\nName=a.dll\n[Notes]\nText=kept\n");
}

TEST_F(Manifest, AFailedEraseAfterTheCountLeavesTheSectionBeyondIt) {
    store.Set("Main", "NbFilesToInstal", "2");
    store.Set("File_2", "Name", "b.dll");
    store.FailErases();
    EXPECT_THROW(RetireEntry(file, 2), EIniFileException);
    EXPECT_EQ(store.Text(), "[Main]\nNbFilesToInstal=1\n[File_2]\nName=b.dll\n");
}

TEST_F(Manifest, AFailedCountWriteErasesNothing) {
    store.Set("Main", "NbFilesToInstal", "2");
    store.Set("File_2", "Name", "b.dll");
    store.FailWritesFrom(1);
    EXPECT_THROW(RetireEntry(file, 2), EIniFileException);
    EXPECT_EQ(journal.Events(), (std::vector<std::string>{"write-failed:Main/NbFilesToInstal=1"}));
    EXPECT_EQ(store.Text(), "[Main]\nNbFilesToInstal=2\n[File_2]\nName=b.dll\n");
}

TEST(IniFileError, NamesTheFileInTheProductsWords) {
    const EIniFileException error("C:\\Apps\\Demo\\Maj.ini");
    EXPECT_STREQ(error.what(), "Impossible d'\xE9" "crire dans C:\\Apps\\Demo\\Maj.ini");
    const std::runtime_error& base = error;  // the application-level handler sees a std error
    EXPECT_STREQ(base.what(), error.what());
}

TEST(EntrySectionName, IsFileUnderscoreAndPlainDecimal) {
    EXPECT_EQ(EntrySection(1), "File_1");
    EXPECT_EQ(EntrySection(10), "File_10");
    EXPECT_EQ(EntrySection(2147483647), "File_2147483647");
}

}  // namespace
