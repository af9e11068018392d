// The running installer: its executable's full path and its process ID.
#pragma once

#include "install/update_run.h"

namespace kernel32 {

install::InstallerIdentity CurrentInstallerIdentity();

}  // namespace kernel32
