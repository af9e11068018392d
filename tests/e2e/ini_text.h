// The manifest as a test reads it back from disk: sections and keys in file order, looked
// up without regard to letter case, as the OS profile functions do.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace e2e {

class IniText {
public:
    static IniText Parse(const std::string& bytes);

    std::vector<std::string> Sections() const;
    bool HasSection(const std::string& section) const;
    std::optional<std::string> Value(const std::string& section, const std::string& key) const;

private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };
    const Section* Find(const std::string& name) const;
    std::vector<Section> sections_;
};

}  // namespace e2e
