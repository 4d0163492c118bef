// The game's random numbers: a small generator with a fixed algorithm and a
// fixed start state, so that every build on every machine deals the same
// sequence of boards.
#pragma once

#include <cstdint>
#include <optional>

namespace qlx {

// A source of uniform numbers in [0, 1). Tests may hand in their own.
class UniformSource {
public:
    virtual ~UniformSource() = default;
    virtual double next() = 0;

    // A source that can name its place in its sequence: the number of draws
    // made from its start state, and a way back to any such place. A source
    // without places (the default) has neither: its deals have no number and
    // cannot be dealt again.
    virtual std::optional<uint64_t> position() const { return std::nullopt; }
    // Goes to the place reached after that many draws from the start state. False, and nothing changes, without places.
    virtual bool seek(uint64_t) { return false; }
};

// The inverse of an odd number modulo 2^64, by Newton's iteration: each round
// doubles the correct low bits (an odd number is its own inverse to 3 bits).
constexpr uint64_t inverseModulo64(uint64_t odd) {
    uint64_t x = odd;
    for (int i = 0; i < 5; ++i) x *= 2 - odd * x;
    return x;
}

// SplitMix64, whose 53 high bits become a double by an exact multiplication.
// Its state advances by a fixed odd step per draw, so the state after n draws
// from the start state is kStartState + n * kStep (mod 2^64): the place is n,
// found again from any state by the step's inverse.
class GameRandom final : public UniformSource {
public:
    static constexpr uint64_t kStartState = 0x51E11A0C0FFEE123ull;
    static constexpr uint64_t kStep = 0x9E3779B97F4A7C15ull;

    explicit GameRandom(uint64_t state = kStartState) : state_(state) {}

    uint64_t nextBits() {
        uint64_t z = (state_ += kStep);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    double next() override {
        return static_cast<double>(nextBits() >> 11) * 0x1.0p-53;
    }

    std::optional<uint64_t> position() const override { return (state_ - kStartState) * kStepInverse; }
    bool seek(uint64_t draws) override {
        state_ = kStartState + draws * kStep;
        return true;
    }

private:
    static constexpr uint64_t kStepInverse = inverseModulo64(kStep);
    static_assert(kStep * kStepInverse == 1, "the step is invertible");

    uint64_t state_;
};

}  // namespace qlx
