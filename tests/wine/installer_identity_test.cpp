// The installer's identity is that of the running executable.
#include <gtest/gtest.h>

#include "install/paths.h"
#include "platform/kernel32/installer_identity.h"
#include "test_files.h"

namespace kernel32_test {
namespace {

TEST(InstallerIdentityTest, IsTheRunningExecutableAndProcess) {
    const install::InstallerIdentity identity = kernel32::CurrentInstallerIdentity();
    EXPECT_EQ(identity.processId, ::GetCurrentProcessId());
    EXPECT_EQ(identity.executablePath, ExecutablePath());
    // A full path, so that the manifest and the application folder lie beside the executable.
    EXPECT_EQ(identity.executablePath.substr(1, 2), ":\\");
    EXPECT_EQ(install::ManifestPath(identity.executablePath),
              ExecutableFolder() + "kernel32_tests.ini");
}

}  // namespace
}  // namespace kernel32_test
