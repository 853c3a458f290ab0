#include "tests/support/recorders.h"

void PlatformTest::SetUp()
{
    installed_.emplace(sleeper, pump, sound, random, clock);
    obnov_pocatecni_stav();
}

void PlatformTest::TearDown()
{
    installed_.reset();
    expect_nothing_beyond_script(random);
    // A test may have put in stand-ins of its own: every real service goes back.
    platform::install_real();
}
