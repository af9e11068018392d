// The application object is process-wide: it is initialised once, before every test, and the
// tests that leave it terminated run after all the others.
#include <gtest/gtest.h>

#include "platform/ui/application.h"

void RegisterTestsThatEndTheApplication();  // modal_test.cpp

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    RegisterTestsThatEndTheApplication();
    ui::Application.Initialize();
    ui::Application.SetTitle("Titre d'essai \xE9");
    return RUN_ALL_TESTS();
}
