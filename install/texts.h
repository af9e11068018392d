// The run's messages (M1-M6) and status texts (S1-S4), in the ANSI code page; "\r" breaks a line.
#pragma once

#include <string>

namespace install {

std::string TextMainProductMissing();                                         // M1
std::string TextNothingToUpdate();                                            // M2
std::string TextStagedFileMissing(const std::string& stagingPath);            // M3
std::string TextPleaseCloseProgram(const std::string& name);                  // M4
std::string TextCannotDelete(const std::string& targetPath);                  // M5
std::string TextCannotCopy(const std::string& stagingPath, const std::string& targetPath);  // M6

std::string StatusWaitingFor(const std::string& name);   // S1
std::string StatusStillWaiting(const std::string& name); // S2
std::string StatusRemoving(const std::string& name);     // S3
std::string StatusInstalling(const std::string& name);   // S4

}  // namespace install
