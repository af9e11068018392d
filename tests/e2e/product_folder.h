// A fresh product folder for one test: Maj.exe copied in, plus whatever the test stages.
#pragma once

#include "driver.h"
#include "ini_text.h"

#include <initializer_list>
#include <map>
#include <optional>
#include <string>

namespace e2e {

// The built installer and stand-in, as Windows paths.
const std::string& InstallerExe();
const std::string& StandinExe();

class ProductFolder {
public:
    ProductFolder();   // a new folder under %TEMP% holding Maj.exe
    ~ProductFolder();  // removes it, unless Keep() was called
    ProductFolder(const ProductFolder&) = delete;
    ProductFolder& operator=(const ProductFolder&) = delete;

    // The folder, ending in "\"; At() appends a relative path.
    const std::string& Path() const { return path_; }
    std::string At(const std::string& relative) const { return path_ + relative; }

    // Writes a file, creating its folders.
    void Put(const std::string& relative, const std::string& bytes) const;
    void MakeFolder(const std::string& relative) const;
    // The stand-in program as the main product "Pellix.exe".
    void PutMainProduct() const;
    // "old report" as Modules\report.dll and "new report" staged as Update\report.dll.
    void PutReportUpdate() const;
    // Opens an existing file for reading with only the given sharing, for as long as the
    // handle lives: without FILE_SHARE_DELETE it cannot be deleted, without FILE_SHARE_WRITE
    // it cannot be written.
    Handle Hold(const std::string& relative, DWORD share) const;
    std::optional<std::string> Read(const std::string& relative) const;
    // A short description of a file's bytes ("absent", the text itself, or size and hash),
    // so that a failed comparison does not print an executable.
    std::string Fingerprint(const std::string& relative) const;
    bool Exists(const std::string& relative) const;

    void WriteManifest(const std::string& text) const { Put("Maj.ini", text); }
    std::string ManifestPath() const { return At("Maj.ini"); }
    std::string ManifestBytes() const;
    IniText Manifest() const { return IniText::Parse(ManifestBytes()); }

    // Every file and folder below the folder: relative path -> Fingerprint ("<folder>").
    std::map<std::string, std::string> Snapshot() const;

    Process StartInstaller() const;
    // Copies the stand-in to `relative` (unless there already) and starts it for runMs.
    Process StartProgram(const std::string& relative, DWORD runMs) const;

    // Leaves the folder on disk for a look after a failure.
    void Keep() { keep_ = true; }

private:
    std::string path_;
    bool keep_ = false;
};

// Manifest text from its lines, joined with CR LF.
std::string IniLines(std::initializer_list<std::string> lines);
// One "[File_n]" section.
std::string FileSection(int n, const std::string& name, const std::string& destination);

}  // namespace e2e
