#include "install/file_system.h"

namespace install {

bool IsExistingFile(FileSystem& files, const std::string& path) {
    // The search would match the wildcards against real names and judge some other file.
    if (path.find_first_of("*?") != std::string::npos) return false;
    return files.SearchFindsFile(path);
}

}  // namespace install
