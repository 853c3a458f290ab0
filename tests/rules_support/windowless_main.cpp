// Entry point of the window-free test programs: plain GoogleTest, no application object,
// so that what they test is seen to need no window, picture or event loop.
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
