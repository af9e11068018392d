#include "platform/kernel32/installer_identity.h"

#include <windows.h>

#include <cstring>

namespace kernel32 {

install::InstallerIdentity CurrentInstallerIdentity() {
    char path[MAX_PATH + 1];  // 261 characters
    const DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
    // A truncated path need not end in a NUL within what was written.
    install::InstallerIdentity identity;
    identity.executablePath.assign(path, ::strnlen(path, length));
    identity.processId = ::GetCurrentProcessId();
    return identity;
}

}  // namespace kernel32
