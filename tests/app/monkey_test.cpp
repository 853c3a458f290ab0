// Seeded random play through every window of the program; the rules are checked after
// every input. TARVANA_MONKEY_EVENTS sets the inputs per seed, TARVANA_MONKEY_SEEDS the
// seeds (a comma-separated list); scripts/monkey.sh runs the long version.
#include "tests/support/monkey.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <gtest/gtest.h>

#include <cstdio>
#include <set>

namespace {

long inputs_per_seed()
{
    bool ok = false;
    const long n = qEnvironmentVariable("TARVANA_MONKEY_EVENTS").toLong(&ok);
    return ok && n > 0 ? n : 3000;
}

std::vector<std::uint32_t> seeds()
{
    std::vector<std::uint32_t> v;
    for (const QString& s : qEnvironmentVariable("TARVANA_MONKEY_SEEDS").split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const uint n = s.trimmed().toUInt(&ok);
        if (ok)
            v.push_back(n);
    }
    if (v.empty())
        v = {1, 2};
    return v;
}

} // namespace

TEST(Monkey, RandomPlayThroughEveryWindowKeepsTheRules)
{
    const long n = inputs_per_seed();
    std::set<std::pair<int, int>> played;
    for (std::uint32_t seed : seeds()) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        const MonkeyReport r = run_monkey(seed, n);
        std::printf("seed %u: %s\n", seed, r.summary().c_str());
        for (const std::string& f : r.findings)
            ADD_FAILURE() << f;
        EXPECT_GE(r.events, n);
        for (const auto& [typ, runs] : r.fire_runs_by_game)
            if (runs > 0)
                played.insert(typ);
    }
    // A monkey that never got a shot off in some game type has tested nothing there.
    if (n * static_cast<long>(seeds().size()) >= 2000) {
        const std::set<std::pair<int, int>> every{{1, 0}, {1, 1}, {1, 2}, {1, 3}, {1, 4}, {0, -1}};
        EXPECT_EQ(played, every);
    }
}
