#pragma once
// A stable sort that takes the runs already in order as they come and merges
// them. A listing that arrives in (or against) the order asked for is sorted
// with one comparison per row instead of n log n: that matters when each
// comparison is a call into the shell.

// Standard library
#include <algorithm>
#include <cstddef>
#include <iterator>
#include <vector>

template <typename Iterator, typename Less>
void StableRunSort(Iterator first, Iterator last, Less less)
{
    if (std::distance(first, last) < 2) return;
    // Each run is non-descending, or strictly descending and then reversed:
    // equal elements never change places.
    std::vector<Iterator> bounds{first};
    Iterator start = first;
    while (start != last) {
        Iterator end = std::next(start);
        if (end != last && less(*end, *start)) {
            for (++end; end != last && less(*end, *std::prev(end));) ++end;
            std::reverse(start, end);
        } else if (end != last) {
            for (++end; end != last && !less(*end, *std::prev(end));) ++end;
        }
        bounds.push_back(end);
        start = end;
    }
    // Neighbouring runs are merged pairwise until one is left.
    while (bounds.size() > 2) {
        std::vector<Iterator> merged{bounds.front()};
        std::size_t i = 0;
        for (; i + 2 < bounds.size(); i += 2) {
            std::inplace_merge(bounds[i], bounds[i + 1], bounds[i + 2], less);
            merged.push_back(bounds[i + 2]);
        }
        if (i + 1 < bounds.size()) merged.push_back(bounds.back());
        bounds.swap(merged);
    }
}
