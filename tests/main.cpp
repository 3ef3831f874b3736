// Runs the unit tests inside one application object, on Qt's offscreen
// platform unless a display was asked for.
#include "toolkit/application.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    Application->Initialize("rofo");
    const int result = RUN_ALL_TESTS();
    Application->Finalize();
    return result;
}
