// Many seeded games headless: what --games adds up and what --heatmap
// draws, the landing share in the JSON, and the options' errors.

#include "app/heat_map_export.h"
#include "app/launch_options.h"
#include "assets/game_charts.h"
#include "app/simulate_command.h"
#include "game/palette.h"
#include "program_runner.h"
#include "simulation_runs.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace tycora::testing {
namespace {

using app::LaunchOptions;

// The figures a JSON text gives, one per square, in board order.
std::vector<double> figures(const std::string &json, const char *key)
{
    std::vector<double> values;
    const QRegularExpression re(QStringLiteral("\"%1\":([0-9.]+)").arg(QLatin1String(key)));
    for (auto it = re.globalMatch(QString::fromStdString(json)); it.hasNext();)
        values.push_back(it.next().captured(1).toDouble());
    return values;
}

double sum(const std::vector<double> &values)
{
    double s = 0;
    for (const double v : values)
        s += v;
    return s;
}

TEST(SimulateGames, ThreeSeededGamesAddUpTheirLandingsAndDrawThem)
{
    QTemporaryDir dir;
    const std::string png = dir.filePath("board.png").toStdString();
    const std::string all =
        simulate({"--games", "3", "--seed", "10", "--turns", "60", "--rules", "full", "--heatmap", png});
    ASSERT_EQ(all.rfind("{\"games\":3,\"squares\":[{\"square\":0,\"title\":\"GO\",\"landings\":", 0), 0u) << all;

    std::vector<double> landings(40, 0);
    for (const char *seed : {"10", "11", "12"}) {
        const std::vector<double> one = figures(simulate({"--seed", seed, "--turns", "60", "--rules", "full"}), "landings");
        ASSERT_EQ(one.size(), 40u);
        for (std::size_t sq = 0; sq < 40; ++sq)
            landings[sq] += one[sq];
    }
    EXPECT_EQ(figures(all, "landings"), landings);
    const std::vector<double> shares = figures(all, "landingShare");
    ASSERT_EQ(shares.size(), 40u);
    EXPECT_NEAR(sum(shares), 1.0, 1e-4);
    for (std::size_t sq = 0; sq < 40; ++sq)
        EXPECT_NEAR(shares[sq], landings[sq] / sum(landings), 1e-6) << sq;

    // The picture: the hottest square at the hot end of the scale.
    const QImage image(QString::fromStdString(png));
    ASSERT_EQ(image.size(), QSize(880, 880));
    const int hottest = int(std::max_element(landings.begin(), landings.end()) - landings.begin());
    const QRectF cell = art::heatMapSquare(QRectF(0, 0, 880, 880), hottest);
    const Rgb hot = HeatScale.back();
    // A corner clear of the figure and of a street's colour strip, which
    // faces the middle of the board.
    const QPointF corner = hottest < 10    ? cell.bottomLeft() + QPointF(6, -6)
                           : hottest < 30 ? cell.topLeft() + QPointF(6, 6)
                                          : cell.topRight() + QPointF(-6, 6);
    EXPECT_EQ(image.pixelColor(corner.toPoint()), QColor(hot.red, hot.green, hot.blue)) << "square " << hottest;

    QFile svg(QString::fromStdString(app::svgFileFor(png)));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray vector = svg.readAll();
    EXPECT_TRUE(vector.contains("<svg")) << "a vector drawing";
    EXPECT_TRUE(vector.contains("Landings in 3 Games"));
}

TEST(SimulateGames, OneGamesJsonGivesEachSquaresShareOfTheLandings)
{
    const std::string json = simulate({"--seed", "4", "--turns", "80"});
    const std::vector<double> landings = figures(json, "landings");
    const std::vector<double> shares = figures(json, "landingShare");
    ASSERT_EQ(shares.size(), 40u);
    for (std::size_t sq = 0; sq < 40; ++sq)
        EXPECT_NEAR(shares[sq], landings[sq] / sum(landings), 1e-6) << sq;
    EXPECT_NE(json.find("\"landingShare\":0.0"), std::string::npos) << "six decimals, as a fraction";
}

TEST(SimulateGames, GamesAndHeatMapOptionsAreCheckedAndInTheUsage)
{
    const LaunchOptions o = simulation({"--games", "25", "--heatmap=out.png"});
    ASSERT_EQ(o.mode, LaunchOptions::Mode::Simulate) << o.error;
    EXPECT_EQ(o.games, 25);
    EXPECT_EQ(o.heatMapFile, "out.png");
    EXPECT_EQ(simulation({}).games, 1);
    for (const std::vector<std::string> &args : std::vector<std::vector<std::string>>{
             {"--games", "0"}, {"--games", "many"}, {"--games"}, {"--heatmap", "out.jpg"}, {"--heatmap", ".png"},
             {"--games", "2", "--log", "x.txt"}}) {
        const LaunchOptions bad = simulation(args);
        EXPECT_EQ(bad.mode, LaunchOptions::Mode::Error) << args.back();
    }
    EXPECT_EQ(simulation({"--heatmap", "out.jpg"}).error, "--heatmap needs a file name ending in .png, not 'out.jpg'");
    for (const char *option : {"--games N", "--heatmap FILE.png"})
        EXPECT_NE(app::usageText().find(option), std::string::npos) << option;
    EXPECT_EQ(app::svgFileFor("a/b.png"), "a/b.svg");
}

TEST(SimulateGames, TheProgramDrawsTheHeatMapWithoutAnyDisplay)
{
    ProgramRunner runner;
    runner.environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    runner.environment.remove(QStringLiteral("DISPLAY"));
    runner.environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    const QString png = runner.filePath(QStringLiteral("heat.png"));
    const Outcome o = runner.run({QStringLiteral("--simulate"), QStringLiteral("--games"), QStringLiteral("2"),
                                  QStringLiteral("--seed"), QStringLiteral("1"), QStringLiteral("--heatmap"), png});
    ASSERT_TRUE(o.exited);
    EXPECT_EQ(o.status, 0) << o.err.toStdString();
    EXPECT_EQ(QImage(png).size(), QSize(880, 880));
    EXPECT_TRUE(QFile::exists(runner.filePath(QStringLiteral("heat.svg"))));
    const Outcome unwritable = runner.run({QStringLiteral("--simulate"), QStringLiteral("--heatmap"),
                                           QStringLiteral("/nonexistent/folder/heat.png")});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_EQ(unwritable.err, "tycora: cannot write the heat map to /nonexistent/folder/heat.png\n");
    EXPECT_TRUE(unwritable.out.isEmpty());
}

} // namespace
} // namespace tycora::testing
