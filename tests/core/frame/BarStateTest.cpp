// A docking bar's saved place: written and read back, and damaged records
// that leave the bar at its defaults.

// Core
#include "core/frame/BarState.h"

// Tests
#include "core/app/StoreFixture.h"

namespace {

class BarStates : public StoreTest {
protected:
    static constexpr unsigned kBar = 59424;
    std::string BarPath() const { return SectionPath("Toolbars") + "\\Bar59424"; }
    void WriteNumber(const char* name, std::int32_t value)
    {
        const auto bits = static_cast<std::uint32_t>(value);
        WriteRaw(BarPath(), name, platform::kRegBinary,
                 {static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8),
                  static_cast<unsigned char>(bits >> 16), static_cast<unsigned char>(bits >> 24)});
    }
};

TEST_P(BarStates, AStateReadsBackAsWritten)
{
    BarState state;
    state.side = 1;
    state.floating = true;
    state.visible = false;
    state.size = 231;
    state.floatRect = {-40, 10, 300, 600};
    SaveBarState(Store(), kBar, state);
    const std::optional<BarState> read = LoadBarState(Store(), kBar);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->side, 1);
    EXPECT_TRUE(read->floating);
    EXPECT_FALSE(read->visible);
    EXPECT_EQ(read->size, 231);
    EXPECT_EQ(read->floatRect.left, -40);
    EXPECT_EQ(read->floatRect.bottom, 600);
    EXPECT_FALSE(LoadBarState(Store(), kBar + 1).has_value());
}

TEST_P(BarStates, DamagedRecordsGiveNoState)
{
    BarState state;
    state.size = 200;
    state.floatRect = {0, 0, 200, 550};
    const struct {
        const char* name;
        std::int32_t value;
    } damage[] = {{"Side", 4},  {"Side", -1},      {"Floating", 2},  {"Visible", -1},
                  {"Size", -3}, {"Right", -5},     {"Bottom", 0},    {"Left", 0x7FFFFFFF}};
    for (const auto& d : damage) {
        SaveBarState(Store(), kBar, state);
        ASSERT_TRUE(LoadBarState(Store(), kBar).has_value());
        WriteNumber(d.name, d.value);
        EXPECT_FALSE(LoadBarState(Store(), kBar).has_value()) << d.name << " " << d.value;
    }
}

INSTANTIATE_FOR_EVERY_REGISTRY(BarStates);

}  // namespace
