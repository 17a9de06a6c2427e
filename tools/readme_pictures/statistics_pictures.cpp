// The README's pictures of the statistics: the net-worth chart and the heat
// map of a Full rules game of three computers.

#include "statistics_game.h"

#include <QTabWidget>

namespace tycora::testing {
namespace {

class StatisticsPictures : public StatisticsGame {};

TEST_F(StatisticsPictures, NetWorthAndHeatMap)
{
    const QString folder = qEnvironmentVariable("TYCORA_README_PICTURES");
    if (folder.isEmpty())
        GTEST_SKIP() << "set TYCORA_README_PICTURES to a folder to make the README's pictures";
    start(RuleSet::Full);
    playUntil(90);
    statistics().open();
    auto *tabs = control<QTabWidget>(statistics(), "tabStatistics");
    for (const auto &[tab, name] : {std::pair{0, "statistics-net-worth"}, std::pair{1, "statistics-heat-map"}}) {
        tabs->setCurrentIndex(tab);
        QCoreApplication::processEvents();
        EXPECT_TRUE(statistics().grab().save(folder + QLatin1Char('/') + QLatin1String(name) + ".png"));
    }
}

} // namespace
} // namespace tycora::testing
