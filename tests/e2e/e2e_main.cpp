// The end-to-end suite: every test starts the real installer in a fresh product folder.
#include "product_folder.h"

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    std::printf("installer: %s\nstand-in:  %s\n", e2e::InstallerExe().c_str(),
                e2e::StandinExe().c_str());
    std::fflush(stdout);
    return RUN_ALL_TESTS();
}
