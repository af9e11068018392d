#include "product_folder.h"

#include <cstdio>

namespace e2e {

namespace {

// CMake passes the host's paths; under Wine drive Z: is the host's root.
std::string WindowsPath(std::string path) {
    if (path.empty() || path[0] != '/') return path;
    for (char& c : path)
        if (c == '/') c = '\\';
    return "Z:" + path;
}

std::string ErrorText(const std::string& what) {
    return what + " (error " + std::to_string(GetLastError()) + ")";
}

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string path = folder + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path + "\\");
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (!DeleteFileA(path.c_str()))
                    std::fprintf(stderr, "%s\n", ErrorText("cannot delete " + path).c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    if (!RemoveDirectoryA(folder.c_str()))
        std::fprintf(stderr, "%s\n", ErrorText("cannot remove " + folder).c_str());
}

void Collect(const std::string& root, const std::string& relative,
             const ProductFolder& folder, std::map<std::string, std::string>& files) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((root + relative + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            files[relative + name] = "<folder>";
            Collect(root, relative + name + "\\", folder, files);
        } else {
            files[relative + name] = folder.Fingerprint(relative + name);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

}  // namespace

const std::string& InstallerExe() {
    static const std::string path = WindowsPath(E2E_INSTALLER);
    return path;
}

const std::string& StandinExe() {
    static const std::string path = WindowsPath(E2E_STANDIN);
    return path;
}

ProductFolder::ProductFolder() {
    static int counter = 0;
    char temp[MAX_PATH];
    if (!GetTempPathA(sizeof temp, temp)) throw DriverError(ErrorText("no temp folder"));
    path_ = std::string(temp) + "korvane-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter) + "\\";
    if (!CreateDirectoryA(path_.c_str(), nullptr))
        throw DriverError(ErrorText("cannot create " + path_));
    if (!CopyFileA(InstallerExe().c_str(), At("Maj.exe").c_str(), TRUE))
        throw DriverError(ErrorText("cannot copy " + InstallerExe()));
}

ProductFolder::~ProductFolder() {
    if (keep_)
        std::printf("[ kept   ] %s\n", path_.c_str());
    else
        RemoveTree(path_);
}

void ProductFolder::MakeFolder(const std::string& relative) const {
    std::string::size_type from = 0;
    for (;;) {
        const auto slash = relative.find('\\', from);
        const std::string part = relative.substr(0, slash);
        if (!CreateDirectoryA(At(part).c_str(), nullptr) &&
            GetLastError() != ERROR_ALREADY_EXISTS)
            throw DriverError(ErrorText("cannot create " + At(part)));
        if (slash == std::string::npos || slash + 1 == relative.size()) return;
        from = slash + 1;
    }
}

void ProductFolder::Put(const std::string& relative, const std::string& bytes) const {
    const auto slash = relative.rfind('\\');
    if (slash != std::string::npos) MakeFolder(relative.substr(0, slash));
    Handle file(CreateFileA(At(relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) throw DriverError(ErrorText("cannot create " + At(relative)));
    DWORD written = 0;
    if (!WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                   nullptr) ||
        written != bytes.size())
        throw DriverError(ErrorText("cannot write " + At(relative)));
}

void ProductFolder::PutMainProduct() const {
    if (!CopyFileA(StandinExe().c_str(), At("Pellix.exe").c_str(), TRUE))
        throw DriverError(ErrorText("cannot copy the stand-in"));
}

void ProductFolder::PutReportUpdate() const {
    Put("Modules\\report.dll", "old report");
    Put("Update\\report.dll", "new report");
}

Handle ProductFolder::Hold(const std::string& relative, DWORD share) const {
    Handle file(CreateFileA(At(relative).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) throw DriverError(ErrorText("cannot open " + At(relative)));
    return file;
}

std::optional<std::string> ProductFolder::Read(const std::string& relative) const {
    Handle file(CreateFileA(At(relative).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    std::string bytes(GetFileSize(file.Get(), nullptr), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        (!ReadFile(file.Get(), &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size()))
        throw DriverError(ErrorText("cannot read " + At(relative)));
    return bytes;
}

std::string ProductFolder::Fingerprint(const std::string& relative) const {
    const std::optional<std::string> bytes = Read(relative);
    if (!bytes) return "absent";
    if (bytes->size() <= 64) return "\"" + Printable(*bytes) + "\"";
    unsigned long long hash = 14695981039346656037ull;  // FNV-1a
    for (unsigned char c : *bytes) hash = (hash ^ c) * 1099511628211ull;
    return std::to_string(bytes->size()) + " bytes, FNV-1a " + std::to_string(hash);
}

bool ProductFolder::Exists(const std::string& relative) const {
    return GetFileAttributesA(At(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ProductFolder::ManifestBytes() const {
    auto bytes = Read("Maj.ini");
    if (!bytes) throw DriverError("no manifest at " + ManifestPath());
    return *bytes;
}

std::map<std::string, std::string> ProductFolder::Snapshot() const {
    std::map<std::string, std::string> files;
    Collect(path_, "", *this, files);
    return files;
}

Process ProductFolder::StartInstaller() const {
    return Process::Start(At("Maj.exe"), "", path_);
}

Process ProductFolder::StartProgram(const std::string& relative, DWORD runMs) const {
    if (!Exists(relative) && !CopyFileA(StandinExe().c_str(), At(relative).c_str(), TRUE))
        throw DriverError(ErrorText("cannot copy the stand-in to " + At(relative)));
    return Process::Start(At(relative), std::to_string(runMs), path_);
}

std::string IniLines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

std::string FileSection(int n, const std::string& name, const std::string& destination) {
    return IniLines({"[File_" + std::to_string(n) + "]", "Name=" + name,
                     "Destination=" + destination});
}

}  // namespace e2e
