#pragma once

// Where the dice come from: a uniform random generator in [0, 1), or a
// script of given throws followed by the generator.

#include <cstdint>
#include <deque>
#include <random>

namespace tycora {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;   // uniform in [0, 1)
};

// A Mersenne Twister with a fixed, portable mapping to [0, 1), so a seed
// replays the same game on every machine. Its position is the seed and the
// count of numbers drawn, which every standard library reproduces alike.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed), seed_(seed) {}
    double next() override;
    std::uint64_t seed() const { return seed_; }
    std::uint64_t draws() const { return draws_; }
    // Moves on as if `count` numbers had been drawn.
    void skip(std::uint64_t count)
    {
        engine_.discard(count);
        draws_ += count;
    }

private:
    std::mt19937_64 engine_;
    std::uint64_t seed_;
    std::uint64_t draws_ = 0;
};

class DiceSource {
public:
    virtual ~DiceSource() = default;
    virtual int throwDie() = 0;   // 1..6
};

// One die from a random number r: r * 6 + 1, rounded down.
class RandomDice final : public DiceSource {
public:
    explicit RandomDice(RandomSource &random) : random_(random) {}
    int throwDie() override;

private:
    RandomSource &random_;
};

// Given dice first, in throw order (die 1 then die 2), then the fallback.
class ScriptedDice final : public DiceSource {
public:
    explicit ScriptedDice(DiceSource &fallback) : fallback_(fallback) {}
    void push(int value) { script_.push_back(value); }
    bool exhausted() const { return script_.empty(); }
    // The given dice not yet thrown, in throw order.
    const std::deque<int> &remaining() const { return script_; }
    int throwDie() override;

private:
    DiceSource &fallback_;
    std::deque<int> script_;
};

} // namespace tycora
