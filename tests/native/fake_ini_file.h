// The manifest in memory: sections and keys in file order, names matched in any letter case.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "install/ini_file.h"
#include "journal.h"

namespace install_test {

// The file's content; it outlives every object opened on it, so a test can look at it afterwards.
class IniStore {
public:
    static constexpr std::size_t kReadLimit = 2047;

    IniStore(Journal& journal, std::string path) : journal_(journal), path_(std::move(path)) {}

    void Set(const std::string& section, const std::string& key, const std::string& value);
    std::optional<std::string> Get(const std::string& section, const std::string& key) const;
    void Erase(const std::string& section);

    // The n-th write (1 = the first) and every later one fail, like a file that turned read-only.
    void FailWritesFrom(int n) { failWritesFrom_ = n; }
    void FailErases() { failErases_ = true; }

    // "[Section]" and "key=value" lines in file order, "\n" after each.
    std::string Text() const;

    const std::string& Path() const { return path_; }
    int Opened() const { return opened_; }
    int Released() const { return released_; }

private:
    friend class FakeIniFile;
    friend class FakeIniFileFactory;
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> keys;
    };

    Section* Find(const std::string& section);
    const Section* Find(const std::string& section) const;

    Journal& journal_;
    std::string path_;
    std::vector<Section> sections_;
    int writes_ = 0;
    int failWritesFrom_ = 0;
    bool failErases_ = false;
    int opened_ = 0;
    int released_ = 0;
};

class FakeIniFile : public install::IniFile {
public:
    explicit FakeIniFile(IniStore& store);
    ~FakeIniFile() override;

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& def) override;
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;
    void EraseSection(const std::string& section) override;

private:
    IniStore& store_;
};

// Opens the one store it knows; opening any other path is a fault of the code under test.
class FakeIniFileFactory : public install::IniFileFactory {
public:
    explicit FakeIniFileFactory(IniStore& store) : store_(store) {}
    std::unique_ptr<install::IniFile> Open(const std::string& path) override;

private:
    IniStore& store_;
};

}  // namespace install_test
