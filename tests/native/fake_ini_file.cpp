#include "fake_ini_file.h"

#include <algorithm>
#include <stdexcept>

#include "install/process_list.h"  // UpperAscii: the profile functions fold names the same way

namespace install_test {
namespace {

bool SameName(const std::string& a, const std::string& b) {
    return install::UpperAscii(a) == install::UpperAscii(b);
}

}  // namespace

IniStore::Section* IniStore::Find(const std::string& section) {
    for (Section& s : sections_) {
        if (SameName(s.name, section)) return &s;
    }
    return nullptr;
}

const IniStore::Section* IniStore::Find(const std::string& section) const {
    return const_cast<IniStore*>(this)->Find(section);
}

void IniStore::Set(const std::string& section, const std::string& key, const std::string& value) {
    Section* s = Find(section);
    if (s == nullptr) {
        sections_.push_back({section, {}});
        s = &sections_.back();
    }
    for (auto& entry : s->keys) {
        if (SameName(entry.first, key)) {
            entry.second = value;
            return;
        }
    }
    s->keys.emplace_back(key, value);
}

std::optional<std::string> IniStore::Get(const std::string& section, const std::string& key) const {
    const Section* s = Find(section);
    if (s == nullptr) return std::nullopt;
    for (const auto& entry : s->keys) {
        if (SameName(entry.first, key)) return entry.second;
    }
    return std::nullopt;
}

void IniStore::Erase(const std::string& section) {
    sections_.erase(std::remove_if(sections_.begin(), sections_.end(),
                                   [&](const Section& s) { return SameName(s.name, section); }),
                    sections_.end());
}

std::string IniStore::Text() const {
    std::string text;
    for (const Section& s : sections_) {
        text += "[" + s.name + "]\n";
        for (const auto& entry : s.keys) text += entry.first + "=" + entry.second + "\n";
    }
    return text;
}

FakeIniFile::FakeIniFile(IniStore& store) : store_(store) { ++store_.opened_; }

FakeIniFile::~FakeIniFile() {
    ++store_.released_;
    store_.journal_.Record("release");
}

std::string FakeIniFile::ReadString(const std::string& section, const std::string& key,
                                    const std::string& def) {
    const std::optional<std::string> value = store_.Get(section, key);
    return value ? value->substr(0, IniStore::kReadLimit) : def;
}

void FakeIniFile::WriteString(const std::string& section, const std::string& key,
                              const std::string& value) {
    const std::string what = section + "/" + key + "=" + value;
    ++store_.writes_;
    if (store_.failWritesFrom_ > 0 && store_.writes_ >= store_.failWritesFrom_) {
        store_.journal_.Record("write-failed:" + what);
        throw install::EIniFileException(store_.path_);
    }
    store_.journal_.Record("write:" + what);
    store_.Set(section, key, value);
}

void FakeIniFile::EraseSection(const std::string& section) {
    if (store_.failErases_) {
        store_.journal_.Record("erase-failed:" + section);
        throw install::EIniFileException(store_.path_);
    }
    store_.journal_.Record("erase:" + section);
    store_.Erase(section);
}

std::unique_ptr<install::IniFile> FakeIniFileFactory::Open(const std::string& path) {
    store_.journal_.Record("open:" + path);
    if (path != store_.Path()) throw std::logic_error("the manifest was opened at " + path);
    return std::make_unique<FakeIniFile>(store_);
}

}  // namespace install_test
