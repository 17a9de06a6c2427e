#include "support/engine_fixture.h"

namespace tycora::testing {
namespace {
class Smoke : public EngineFixture {};
TEST_F(Smoke, Builds) { addPlayer("Ann"); addPlayer("Bob"); engine.startGame(); EXPECT_TRUE(screen.rollEnabled); }
} // namespace
} // namespace tycora::testing
