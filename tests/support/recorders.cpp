#include "tests/support/recorders.h"

#include <QCoreApplication>
#include <algorithm>

void RecordingPump::process_pending()
{
    ++count;
    if (process_events && QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (hook)
        hook();
}

long RecordingSound::count(const std::string& what) const
{
    return std::count(log.begin(), log.end(), what);
}

void PlatformTest::SetUp()
{
    platform::install(&sleeper);
    platform::install(&pump);
    platform::install(&sound);
    platform::install(&random);
    platform::install(&clock);
    obnov_pocatecni_stav();
}

void PlatformTest::TearDown()
{
    platform::install_real();
}
