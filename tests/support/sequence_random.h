// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random_source.h"

#include <vector>

namespace radixon::testing {

// Rnd gives the listed values in turn, from the start again when they run
// out; Randomize is counted and changes nothing.
class SequenceRandom final : public RandomSource {
public:
    explicit SequenceRandom(std::vector<float> values = {0.0f}) : values_(std::move(values)) {}
    void set(std::vector<float> values)
    {
        values_ = std::move(values);
        next_ = 0;
    }
    void Randomize() override { ++reseeds_; }
    float Rnd() override
    {
        const float value = values_[next_ % values_.size()];
        ++next_;
        return value;
    }
    int reseeds() const { return reseeds_; }

    // The value that makes RandomTaskNumber(span, base) draw `number`.
    static float drawing(int number, int span, int base)
    {
        return (static_cast<float>(number - base) + 0.5f) / static_cast<float>(span);
    }

private:
    std::vector<float> values_;
    std::size_t next_ = 0;
    int reseeds_ = 0;
};

}  // namespace radixon::testing
