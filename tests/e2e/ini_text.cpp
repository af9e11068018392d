#include "ini_text.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace e2e {

namespace {

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

IniText IniText::Parse(const std::string& bytes) {
    IniText ini;
    std::istringstream lines(bytes);
    std::string line;
    while (std::getline(lines, line)) {
        line = Trimmed(line);
        if (line.empty() || line[0] == ';') continue;
        if (line.front() == '[' && line.back() == ']') {
            ini.sections_.push_back({Trimmed(line.substr(1, line.size() - 2)), {}});
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string::npos || ini.sections_.empty()) continue;
        ini.sections_.back().entries.push_back(
            {Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1))});
    }
    return ini;
}

std::vector<std::string> IniText::Sections() const {
    std::vector<std::string> names;
    for (const Section& section : sections_) names.push_back(section.name);
    return names;
}

bool IniText::HasSection(const std::string& section) const { return Find(section) != nullptr; }

std::optional<std::string> IniText::Value(const std::string& section,
                                          const std::string& key) const {
    const Section* found = Find(section);
    if (!found) return std::nullopt;
    for (const Entry& entry : found->entries)
        if (SameName(entry.key, key)) return entry.value;
    return std::nullopt;
}

const IniText::Section* IniText::Find(const std::string& name) const {
    for (const Section& section : sections_)
        if (SameName(section.name, name)) return &section;
    return nullptr;
}

}  // namespace e2e
