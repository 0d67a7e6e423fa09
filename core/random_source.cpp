// SPDX-License-Identifier: GPL-3.0-or-later
#include "random_source.h"

#include <chrono>

namespace radixon {

ClockRandom::ClockRandom()
{
    Randomize();
}

void ClockRandom::Randomize()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    engine_.seed(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32)));
}

float ClockRandom::Rnd()
{
    // 24 random bits give every float step of [0, 1) and never reach 1.
    return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
}

}  // namespace radixon
