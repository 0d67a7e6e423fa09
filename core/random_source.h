// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <random>

namespace radixon {

// Rnd and Randomize. The program reseeds from the clock; tests give a fixed
// sequence.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Randomize() = 0;
    // Next value, uniform in [0, 1), single precision.
    virtual float Rnd() = 0;
};

class ClockRandom final : public RandomSource {
public:
    ClockRandom();
    void Randomize() override;
    float Rnd() override;

private:
    std::mt19937 engine_;
};

}  // namespace radixon
