#pragma once

#include "core/draws/DrawStore.h"

#include <array>

class MessageBoxes;
class RandomSource;

// Where the numbers of a pick come from.
enum PickModeValue : int {
    PickFullRange = 1,
    PickTopThird = 2,
    PickMiddleThird = 3,
    PickBottomThird = 4,
};

struct PickSettings {
    int P = 6; // picks per set, 1..10
    int H = 49; // highest number, 1..60
    int S = 1; // number of sets, 1..10
    int PickMode = PickFullRange;
};

// Fills up to ten sets of distinct random numbers from the full range or from a third of the
// frequency ranking of the draws.
class NumberPicker {
public:
    static constexpr int MaxSets = 10;
    static constexpr int MaxPicks = 10;
    static constexpr int DuplicateLimit = 5000;
    // Row s is set s, column k its k-th number; 0 is no number. Row 0 and column 0 stay 0.
    using ResultTable = std::array<std::array<int, MaxPicks + 1>, MaxSets + 1>;

    NumberPicker(RandomSource& random, MessageBoxes& messages);

    // Builds the pool and draws the sets into PickResults. Sets PickAborted when it could not
    // start; after 5000 rejected draws it stops with the sets drawn so far, unsorted. It ranks
    // the store's counts for a third and changes nothing else outside the picker.
    void PickNumbers(const PickSettings& settings, DrawStore& store);

    void ClearResults() { m_results = {}; }
    void ClearPool();

    const ResultTable& PickResults() const { return m_results; }
    const NumberTable& PickPool() const { return m_pool; }
    int PoolSize() const { return m_poolSize; }
    int duplicateCount() const { return m_duplicates; }
    bool PickAborted() const { return m_aborted; }
    void SetPickAborted(bool aborted) { m_aborted = aborted; }

private:
    bool buildPool(const PickSettings& settings, DrawStore& store);
    // False when the run gave up after too many rejected draws.
    bool drawSets(const PickSettings& settings);
    void sortSets(const PickSettings& settings);
    void abort(const QString& message);

    RandomSource& m_random;
    MessageBoxes& m_messages;
    NumberTable m_pool {};
    int m_poolSize = 0;
    ResultTable m_results {};
    int m_duplicates = 0;
    bool m_aborted = false;
};
