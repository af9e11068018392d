// Where the installer, its manifest, the staged files and the installed files lie.
// All texts are Windows paths in the ANSI code page, "\" as separator.
#pragma once

#include <string>

namespace install {

// The product's main executable, which must lie beside the installer.
inline constexpr const char* kMainProductName = "Pellix.exe";
// Sub-folder of the application folder holding the staged files.
inline constexpr const char* kStagingFolderName = "Update\\";

// The installer's folder: its path up to and including the last "\" or ":".
std::string ApplicationFolder(const std::string& installerPath);

// The installer's path with its extension replaced by ".ini" (appended when it has none).
std::string ManifestPath(const std::string& installerPath);

std::string StagingFolder(const std::string& applicationFolder);
std::string StagingPath(const std::string& applicationFolder, const std::string& name);
std::string TargetPath(const std::string& destination, const std::string& name);
std::string MainProductFile(const std::string& applicationFolder);

// "" stays "", a text ending in "\" is unchanged, anything else gets one "\".
std::string WithTrailingBackslash(const std::string& folder);

// The text after the last "\" or ":" (the whole text when it has neither).
std::string FileNamePart(const std::string& path);

}  // namespace install
