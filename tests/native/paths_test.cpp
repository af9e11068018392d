#include "install/paths.h"

#include <gtest/gtest.h>

namespace {

using namespace install;

struct PathCase {
    const char* in;
    const char* out;
};

std::ostream& operator<<(std::ostream& out, const PathCase& c) { return out << '"' << c.in << '"'; }

class ManifestPathTable : public ::testing::TestWithParam<PathCase> {};

TEST_P(ManifestPathTable, ReplacesOnlyTheFileNamesExtension) {
    EXPECT_EQ(ManifestPath(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ManifestPathTable,
    ::testing::Values(PathCase{"C:\\Apps\\Demo\\Maj.exe", "C:\\Apps\\Demo\\Maj.ini"},
                      PathCase{"C:\\Apps\\Demo\\Maj.Setup.exe", "C:\\Apps\\Demo\\Maj.Setup.ini"},
                      PathCase{"C:\\Apps\\Demo\\Maj", "C:\\Apps\\Demo\\Maj.ini"},
                      PathCase{"C:\\Apps\\v1.2\\Maj", "C:\\Apps\\v1.2\\Maj.ini"},
                      PathCase{"C:\\Apps\\v1.2\\Maj.exe", "C:\\Apps\\v1.2\\Maj.ini"},
                      PathCase{"C:\\Apps\\Maj.", "C:\\Apps\\Maj.ini"},
                      PathCase{"C:\\Apps\\.exe", "C:\\Apps\\.ini"},
                      PathCase{"C:Maj.exe", "C:Maj.ini"},
                      PathCase{"D.x:Maj", "D.x:Maj.ini"},
                      PathCase{"\\\\srv\\share.d\\Maj", "\\\\srv\\share.d\\Maj.ini"},
                      PathCase{"Maj.exe", "Maj.ini"}, PathCase{"Maj", "Maj.ini"}));

class ApplicationFolderTable : public ::testing::TestWithParam<PathCase> {};

TEST_P(ApplicationFolderTable, KeepsTheTextUpToTheLastSeparator) {
    EXPECT_EQ(ApplicationFolder(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ApplicationFolderTable,
    ::testing::Values(PathCase{"C:\\Apps\\Demo\\Maj.exe", "C:\\Apps\\Demo\\"},
                      PathCase{"C:Maj.exe", "C:"}, PathCase{"C:\\Maj.exe", "C:\\"},
                      PathCase{"C:\\Apps\\v1.2\\Maj", "C:\\Apps\\v1.2\\"},
                      PathCase{"Maj.exe", ""}));

class FileNamePartTable : public ::testing::TestWithParam<PathCase> {};

TEST_P(FileNamePartTable, KeepsTheTextAfterTheLastSeparator) {
    EXPECT_EQ(FileNamePart(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FileNamePartTable,
    ::testing::Values(PathCase{"C:\\Other\\PELLIX.EXE", "PELLIX.EXE"},
                      PathCase{"C:PELLIX.EXE", "PELLIX.EXE"}, PathCase{"a\\b:c", "c"},
                      PathCase{"a:b\\c", "c"}, PathCase{"Pellix.exe", "Pellix.exe"},
                      PathCase{"C:\\Apps\\", ""}, PathCase{"", ""}));

class TrailingBackslashTable : public ::testing::TestWithParam<PathCase> {};

TEST_P(TrailingBackslashTable, AddsExactlyOneBackslashWhenMissing) {
    EXPECT_EQ(WithTrailingBackslash(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TrailingBackslashTable,
    ::testing::Values(PathCase{"", ""}, PathCase{"C:\\Apps", "C:\\Apps\\"},
                      PathCase{"C:\\Apps\\", "C:\\Apps\\"}, PathCase{"C:\\Apps\\\\", "C:\\Apps\\\\"},
                      PathCase{"C:", "C:\\"}, PathCase{"\\", "\\"},
                      PathCase{"C:\\Apps/", "C:\\Apps/\\"}));

TEST(Paths, EntryPathsUseNameAndDestinationUnchanged) {
    const std::string app = "C:\\Apps\\Demo\\";
    EXPECT_EQ(StagingFolder(app), "C:\\Apps\\Demo\\Update\\");
    EXPECT_EQ(StagingPath(app, "Pellix.exe"), "C:\\Apps\\Demo\\Update\\Pellix.exe");
    EXPECT_EQ(StagingPath(app, "sub\\x.dll"), "C:\\Apps\\Demo\\Update\\sub\\x.dll");
    EXPECT_EQ(StagingPath(app, ""), "C:\\Apps\\Demo\\Update\\");
    EXPECT_EQ(MainProductFile(app), "C:\\Apps\\Demo\\Pellix.exe");

    EXPECT_EQ(TargetPath("C:\\Apps", "Pellix.exe"), "C:\\Apps\\Pellix.exe");
    EXPECT_EQ(TargetPath("C:\\Apps\\", "Pellix.exe"), "C:\\Apps\\Pellix.exe");
    EXPECT_EQ(TargetPath("", "Pellix.exe"), "Pellix.exe");
    EXPECT_EQ(TargetPath("C:\\Apps", "sub\\x.dll"), "C:\\Apps\\sub\\x.dll");
}

}  // namespace
