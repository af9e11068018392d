#include "install/file_system.h"

#include <gtest/gtest.h>

#include "fake_file_system.h"

namespace {

using install::IsExistingFile;
using install_test::FakeFileSystem;
using install_test::Journal;

struct ExistenceCase {
    const char* path;
    bool exists;
};

std::ostream& operator<<(std::ostream& out, const ExistenceCase& c) { return out << c.path; }

class ExistingFileTable : public ::testing::TestWithParam<ExistenceCase> {
protected:
    Journal journal;
    FakeFileSystem files{journal};
};

// The search itself would match every one of these wildcard paths against Pellix.exe.
TEST_P(ExistingFileTable, WildcardsNeverNameAnExistingFile) {
    files.AddFile("C:\\Apps\\Demo\\Pellix.exe", "");
    ASSERT_EQ(files.SearchFindsFile("C:\\Apps\\Demo\\*.exe"), true);  // the double matches like the OS
    EXPECT_EQ(IsExistingFile(files, GetParam().path), GetParam().exists) << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExistingFileTable,
    ::testing::Values(ExistenceCase{"C:\\Apps\\Demo\\Pellix.exe", true},
                      ExistenceCase{"C:\\Apps\\Demo\\Other.exe", false},
                      ExistenceCase{"C:\\Apps\\Demo", false},
                      ExistenceCase{"C:\\Apps\\Demo\\*.exe", false},
                      ExistenceCase{"C:\\Apps\\Demo\\Pelli?.exe", false},
                      ExistenceCase{"C:\\Apps\\Demo\\*", false},
                      ExistenceCase{"C:\\Apps\\*\\Pellix.exe", false},
                      ExistenceCase{"?:\\Apps\\Demo\\Pellix.exe", false}));

}  // namespace
