// Core
#include "core/folders/RunSort.h"

// Gtest
#include <gtest/gtest.h>

// Standard library
#include <random>
#include <utility>
#include <vector>

namespace {

// A key and the place it came from, so that stability can be checked.
using Entry = std::pair<int, int>;

std::vector<Entry> Entries(const std::vector<int>& keys)
{
    std::vector<Entry> entries;
    for (std::size_t i = 0; i < keys.size(); ++i) entries.emplace_back(keys[i], static_cast<int>(i));
    return entries;
}

TEST(RunSort, SortsAsAStableSortDoesWithOneComparisonPerEntryForARunInEitherDirection)
{
    std::vector<int> ascending, descending, twoRuns, random, ties;
    for (int i = 0; i < 1000; ++i) {
        ascending.push_back(i);
        descending.push_back(1000 - i);
        twoRuns.push_back(i < 500 ? i * 2 : (i - 500) * 2 + 1);
        ties.push_back(i % 7);
    }
    std::mt19937 generator(12345);
    for (int i = 0; i < 1000; ++i) random.push_back(static_cast<int>(generator() % 300));
    struct Case {
        const char* what;
        std::vector<int> keys;
        std::size_t maxComparisons;
    } const cases[] = {
        {"in order", ascending, 999},
        {"against the order", descending, 999},
        {"two runs", twoRuns, 999 + 1000},
        {"many ties", ties, 20000},
        {"random", random, 20000},
        {"empty", {}, 0},
        {"one", {5}, 0},
        {"equal descending pairs stay in order", {3, 3, 2, 2, 1, 1}, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<Entry> expected = Entries(c.keys);
        auto byKey = [](const Entry& a, const Entry& b) { return a.first < b.first; };
        std::stable_sort(expected.begin(), expected.end(), byKey);
        std::vector<Entry> sorted = Entries(c.keys);
        std::size_t comparisons = 0;
        StableRunSort(sorted.begin(), sorted.end(), [&](const Entry& a, const Entry& b) {
            ++comparisons;
            return a.first < b.first;
        });
        EXPECT_EQ(sorted, expected);
        EXPECT_LE(comparisons, c.maxComparisons);
    }
}

}  // namespace
