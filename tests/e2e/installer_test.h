// The fixture every end-to-end test starts from: a fresh product folder, kept on failure.
#pragma once

#include "driver.h"
#include "expected_texts.h"
#include "product_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace e2e {

class InstallerTest : public testing::Test {
protected:
    void TearDown() override {
        if (HasFailure()) folder.Keep();
    }

    // The folder path without its trailing backslash, for a Destination written that way.
    std::string FolderNoSlash() const { return folder.Path().substr(0, folder.Path().size() - 1); }

    static void Report(const std::string& what, DWORD ms) {
        std::printf("[ timing ] %s: %lu ms\n", what.c_str(), static_cast<unsigned long>(ms));
        std::fflush(stdout);
    }

    ProductFolder folder;
};

}  // namespace e2e
