// TIniFile against real files and the kernel's profile functions.
#include <gtest/gtest.h>

#include <functional>

#include "install/manifest.h"
#include "platform/kernel32/tinifile.h"
#include "test_files.h"

namespace kernel32_test {
namespace {

class TIniFileTest : public ::testing::Test {
protected:
    TempFolder folder;
    const std::string path = folder / "Maj.ini";
};

TEST_F(TIniFileTest, FindsSectionsAndKeysInAnyLetterCase) {
    WriteFileBytes(path,
                   "[main]\r\nnbfilestoinstal=2\r\n"
                   "[FILE_2]\r\nNAME=b.dll\r\ndestination=C:\\Apps\\\r\n");
    kernel32::TIniFile ini(path);
    EXPECT_EQ(install::ReadPendingCount(ini), 2);
    const install::ManifestEntry entry = install::ReadEntry(ini, 2);
    EXPECT_EQ(entry.name, "b.dll");
    EXPECT_EQ(entry.destination, "C:\\Apps\\");

    // Writing and erasing find them too: no second [Main], no [FILE_2] left behind.
    install::RetireEntry(ini, 2);
    EXPECT_EQ(ini.ReadString("MAIN", "NBFILESTOINSTAL", "none"), "1");
    EXPECT_EQ(ini.ReadString("File_2", "Name", "none"), "none");
    const std::string text = ReadFileBytes(path);
    EXPECT_EQ(text.find("[Main]"), std::string::npos) << text;
    EXPECT_EQ(text.find("FILE_2"), std::string::npos) << text;
}

TEST_F(TIniFileTest, RetiringEveryEntryLeavesOtherSectionsAndKeysAlone) {
    WriteFileBytes(path,
                   "[Main]\r\nNbFilesToInstal=3\r\nLastSearch=2024-05-01\r\n"
                   "[File_1]\r\nName=a.dll\r\nDestination=C:\\A\r\n"
                   "[Notes]\r\nSource=update search\r\nCount=7\r\n"
                   "[File_2]\r\nName=b.dll\r\nDestination=C:\\B\r\n"
                   "[File_3]\r\nName=c.dll\r\nDestination=C:\\C\r\n");
    {
        kernel32::TIniFile ini(path);
        for (std::int32_t n = 3; n >= 1; --n) install::RetireEntry(ini, n);
    }
    const std::string text = ReadFileBytes(path);
    EXPECT_NE(text.find("[Notes]\r\nSource=update search\r\nCount=7\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("NbFilesToInstal=0\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("LastSearch=2024-05-01\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("File_"), std::string::npos) << text;
    EXPECT_EQ(text.find("Name="), std::string::npos) << text;
}

TEST_F(TIniFileTest, ReadsAtMost2047Characters) {
    std::string value;
    while (value.size() < 3000) value += std::to_string(value.size() % 10);
    WriteFileBytes(path, "[File_1]\r\nName=" + value + "\r\n");
    kernel32::TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("File_1", "Name", ""), value.substr(0, 2047));
}

TEST_F(TIniFileTest, MissingKeysSectionsAndFilesYieldTheDefault) {
    WriteFileBytes(path, "[Main]\r\nOther=1\r\n");
    kernel32::TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("Main", "Name", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("File_1", "Name", ""), "");
    EXPECT_EQ(ini.ReadInteger("Main", "NbFilesToInstal", 0), 0);
    kernel32::TIniFile missing(folder / "none.ini");
    EXPECT_EQ(missing.ReadString("Main", "NbFilesToInstal", "dflt"), "dflt");
}

TEST_F(TIniFileTest, AFailedWriteRaisesTheErrorNamingTheFile) {
    const std::string original = "[Main]\r\nNbFilesToInstal=1\r\n[File_1]\r\nName=a.dll\r\n";
    const std::function<void(install::IniFile&)> writes[] = {
        [](install::IniFile& ini) { ini.WriteInteger("Main", "NbFilesToInstal", 0); },
        [](install::IniFile& ini) { ini.WriteString("Main", "Other", "x"); },
        [](install::IniFile& ini) { ini.EraseSection("File_1"); },
        [](install::IniFile& ini) { install::RetireEntry(ini, 1); },
    };
    for (const auto& write : writes) {
        WriteFileBytes(path, original);
        {
            kernel32::AutoCloseHandle held = HoldOpenForReadOnly(path);
            kernel32::TIniFile ini(path);
            EXPECT_EQ(ini.ReadString("File_1", "Name", ""), "a.dll");  // reading still works
            try {
                write(ini);
                ADD_FAILURE() << "no error raised";
            } catch (const install::EIniFileException& error) {
                EXPECT_STREQ(error.what(), ("Impossible d'\xE9" "crire dans " + path).c_str());
            }
        }
        EXPECT_EQ(ReadFileBytes(path), original);
    }
}

TEST_F(TIniFileTest, ErasingASectionThatDoesNotExistChangesNothing) {
    const std::string original = "[Main]\r\nNbFilesToInstal=3\r\n[File_1]\r\nName=a.dll\r\n";
    WriteFileBytes(path, original);
    {
        kernel32::TIniFile ini(path);
        EXPECT_NO_THROW(ini.EraseSection("File_3"));
    }
    EXPECT_EQ(ReadFileBytes(path), original);
}

TEST_F(TIniFileTest, TheFactoryBindsTheObjectToItsPath) {
    WriteFileBytes(path, "[Main]\r\nNbFilesToInstal=4\r\n");
    kernel32::TIniFileFactory factory;
    const std::unique_ptr<install::IniFile> ini = factory.Open(path);
    EXPECT_EQ(install::ReadPendingCount(*ini), 4);
    ini->WriteInteger("Main", "NbFilesToInstal", 3);
    EXPECT_NE(ReadFileBytes(path).find("NbFilesToInstal=3"), std::string::npos);
}

}  // namespace
}  // namespace kernel32_test
