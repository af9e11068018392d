// Win32FileSystem against real files: what counts as an existing file, deletion, and the copy
// that refuses to overwrite.
#include <gtest/gtest.h>

#include <functional>

#include "platform/kernel32/win32_file_system.h"
#include "test_files.h"


namespace kernel32_test {
namespace {

class FileSystemTest : public ::testing::Test {
protected:
    TempFolder folder;
    kernel32::Win32FileSystem files;
};

struct ExistenceCase {
    const char* what;
    std::function<void(const TempFolder&)> prepare;
    const char* path;  // relative to the folder
    bool existing;
};

TEST_F(FileSystemTest, CountsOnlyFilesWithAnMsDosDate) {
    const ExistenceCase cases[] = {
        {"plain file", [](const TempFolder& f) { WriteFileBytes(f / "a.dll", "x"); }, "a.dll", true},
        {"name in other letters", [](const TempFolder& f) { WriteFileBytes(f / "a.dll", "x"); },
         "A.DLL", true},
        {"missing", [](const TempFolder&) {}, "a.dll", false},
        {"directory of that name", [](const TempFolder& f) { MakeFolder(f / "a.dll"); }, "a.dll", false},
        {"dated 1970",
         [](const TempFolder& f) {
             WriteFileBytes(f / "a.dll", "x");
             SetLastWriteTime(f / "a.dll", 1970, 1, 1);
         },
         "a.dll", false},
        {"dated 1979",
         [](const TempFolder& f) {
             WriteFileBytes(f / "a.dll", "x");
             SetLastWriteTime(f / "a.dll", 1979, 6, 1);
         },
         "a.dll", false},
        {"dated 1980",
         [](const TempFolder& f) {
             WriteFileBytes(f / "a.dll", "x");
             SetLastWriteTime(f / "a.dll", 1980, 6, 1);
         },
         "a.dll", true},
        {"dated 2107",
         [](const TempFolder& f) {
             WriteFileBytes(f / "a.dll", "x");
             SetLastWriteTime(f / "a.dll", 2107, 6, 1);
         },
         "a.dll", true},
        // The staging path of an entry without a Name: the search's first entry is ".".
        {"folder wildcard", [](const TempFolder& f) { WriteFileBytes(f / "a.dll", "x"); }, "*", false},
    };
    for (const ExistenceCase& c : cases) {
        TempFolder own;
        c.prepare(own);
        EXPECT_EQ(install::IsExistingFile(files, own / c.path), c.existing) << c.what;
    }
}

TEST_F(FileSystemTest, WildcardsAreNeverAnExistingFileThoughTheSearchMatchesThem) {
    WriteFileBytes(folder / "a.dll", "x");
    for (const char* pattern : {"a.*", "?.dll", "a.dl?"}) {
        EXPECT_TRUE(files.SearchFindsFile(folder / pattern)) << pattern;
        EXPECT_FALSE(install::IsExistingFile(files, folder / pattern)) << pattern;
    }
}

TEST_F(FileSystemTest, DeletesAFileAndReportsWhenItCannot) {
    WriteFileBytes(folder / "old.dll", "x");
    EXPECT_TRUE(files.RemoveFile(folder / "old.dll"));
    EXPECT_FALSE(PathExists(folder / "old.dll"));
    EXPECT_FALSE(files.RemoveFile(folder / "old.dll"));

    WriteFileBytes(folder / "held.dll", "x");
    {
        // Open without FILE_SHARE_DELETE, as a running program holds its files.
        kernel32::AutoCloseHandle held = HoldOpenForReadOnly(folder / "held.dll");
        EXPECT_FALSE(files.RemoveFile(folder / "held.dll"));
    }
    EXPECT_TRUE(PathExists(folder / "held.dll"));
}

TEST_F(FileSystemTest, CopiesOnlyOntoNoExistingTarget) {
    WriteFileBytes(folder / "new.dll", "new version");
    ASSERT_TRUE(files.CopyFileNoOverwrite(folder / "new.dll", folder / "copy.dll"));
    EXPECT_EQ(ReadFileBytes(folder / "copy.dll"), "new version");
    EXPECT_EQ(ReadFileBytes(folder / "new.dll"), "new version");

    WriteFileBytes(folder / "old.dll", "old version");
    EXPECT_FALSE(files.CopyFileNoOverwrite(folder / "new.dll", folder / "old.dll"));
    EXPECT_EQ(ReadFileBytes(folder / "old.dll"), "old version");

    // A target dated before 1980 is no existing file, yet the copy still refuses to replace it.
    SetLastWriteTime(folder / "old.dll", 1970, 1, 1);
    ASSERT_FALSE(install::IsExistingFile(files, folder / "old.dll"));
    EXPECT_FALSE(files.CopyFileNoOverwrite(folder / "new.dll", folder / "old.dll"));

    EXPECT_FALSE(files.CopyFileNoOverwrite(folder / "none.dll", folder / "other.dll"));
    EXPECT_FALSE(files.CopyFileNoOverwrite(folder / "new.dll", folder / "no-such-folder\\new.dll"));
}

}  // namespace
}  // namespace kernel32_test
