// The game's random numbers: a small generator with a fixed algorithm and a
// fixed start state, so that every build on every machine deals the same
// sequence of boards.
#pragma once

#include <cstdint>

namespace qlx {

// A source of uniform numbers in [0, 1). Tests may hand in their own.
class UniformSource {
public:
    virtual ~UniformSource() = default;
    virtual double next() = 0;
};

// SplitMix64, whose 53 high bits become a double by an exact multiplication.
class GameRandom final : public UniformSource {
public:
    static constexpr uint64_t kStartState = 0x51E11A0C0FFEE123ull;

    explicit GameRandom(uint64_t state = kStartState) : state_(state) {}

    uint64_t nextBits() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    double next() override {
        return static_cast<double>(nextBits() >> 11) * 0x1.0p-53;
    }

private:
    uint64_t state_;
};

}  // namespace qlx
