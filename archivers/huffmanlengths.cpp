#include "huffmanlengths.h"

#include <algorithm>
#include <numeric>

namespace {

// A coin of the package-merge: a symbol, or a package of two earlier items.
struct Item {
    uint64_t weight;
    int symbol;      // >= 0 for a symbol
    int left, right; // the package's parts, indexes into the item pool
};

void countSymbols(const std::vector<Item>& pool, int at, std::vector<uint8_t>& lengths)
{
    // Packages nest at most maxBits deep, so recursion stays shallow.
    const Item& item = pool[std::size_t(at)];
    if (item.symbol >= 0) {
        ++lengths[std::size_t(item.symbol)];
        return;
    }
    countSymbols(pool, item.left, lengths);
    countSymbols(pool, item.right, lengths);
}

} // namespace

std::vector<uint8_t> HuffmanLengths::limited(const std::vector<uint32_t>& frequencies, int maxBits)
{
    std::vector<uint8_t> lengths(frequencies.size(), 0);
    std::vector<int> used;
    for (std::size_t s = 0; s < frequencies.size(); ++s)
        if (frequencies[s] > 0)
            used.push_back(int(s));
    if (used.empty())
        return lengths;
    if (used.size() == 1) {
        lengths[std::size_t(used[0])] = 1;
        return lengths;
    }
    std::stable_sort(used.begin(), used.end(),
                     [&](int a, int b) { return frequencies[std::size_t(a)] < frequencies[std::size_t(b)]; });

    std::vector<Item> pool;
    pool.reserve(used.size() * std::size_t(maxBits) * 2);
    std::vector<int> leaves;
    for (int s : used) {
        leaves.push_back(int(pool.size()));
        pool.push_back({frequencies[std::size_t(s)], s, -1, -1});
    }

    // Level by level from the longest codes up: pair neighbours of the list
    // into packages and merge them with a fresh set of symbols.
    std::vector<int> list = leaves;
    for (int level = 1; level < maxBits; ++level) {
        std::vector<int> packages;
        for (std::size_t i = 0; i + 1 < list.size(); i += 2) {
            const Item& a = pool[std::size_t(list[i])];
            const Item& b = pool[std::size_t(list[i + 1])];
            packages.push_back(int(pool.size()));
            pool.push_back({a.weight + b.weight, -1, list[i], list[i + 1]});
        }
        std::vector<int> merged;
        merged.reserve(leaves.size() + packages.size());
        std::merge(leaves.begin(), leaves.end(), packages.begin(), packages.end(), std::back_inserter(merged),
                   [&](int a, int b) { return pool[std::size_t(a)].weight < pool[std::size_t(b)].weight; });
        list.swap(merged);
    }

    // The cheapest 2n - 2 items make the code; a symbol's length is how often
    // it occurs in them.
    const std::size_t take = std::min(list.size(), 2 * used.size() - 2);
    for (std::size_t i = 0; i < take; ++i)
        countSymbols(pool, list[i], lengths);
    return lengths;
}
