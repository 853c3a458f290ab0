// Entry point of the rules' tests: plain GoogleTest, no application object, so that the
// rules are seen to need no window, picture or event loop.
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
