#include "install/paths.h"

namespace install {
namespace {

// Position just after the last "\" or ":", 0 when there is none.
std::size_t FileNameStart(const std::string& path) {
    const std::size_t separator = path.find_last_of("\\:");
    return separator == std::string::npos ? 0 : separator + 1;
}

}  // namespace

std::string ApplicationFolder(const std::string& installerPath) {
    return installerPath.substr(0, FileNameStart(installerPath));
}

std::string ManifestPath(const std::string& installerPath) {
    // Only a dot in the file name starts an extension; a dot in a folder name does not.
    const std::size_t dot = installerPath.rfind('.');
    if (dot == std::string::npos || dot < FileNameStart(installerPath)) return installerPath + ".ini";
    return installerPath.substr(0, dot) + ".ini";
}

std::string StagingFolder(const std::string& applicationFolder) {
    return applicationFolder + kStagingFolderName;
}

std::string StagingPath(const std::string& applicationFolder, const std::string& name) {
    return StagingFolder(applicationFolder) + name;
}

std::string TargetPath(const std::string& destination, const std::string& name) {
    return WithTrailingBackslash(destination) + name;
}

std::string MainProductFile(const std::string& applicationFolder) {
    return applicationFolder + kMainProductName;
}

std::string WithTrailingBackslash(const std::string& folder) {
    if (folder.empty() || folder.back() == '\\') return folder;
    return folder + '\\';
}

std::string FileNamePart(const std::string& path) {
    return path.substr(FileNameStart(path));
}

}  // namespace install
