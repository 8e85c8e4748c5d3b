#pragma once

#include <cstdint>
#include <random>

// Where the game's chance comes from; tests put in their own.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Starts the generator afresh from the clock.
    virtual void Reseed() = 0;
    // A number uniform in [0, 1).
    virtual double Next() = 0;
};

// The generator the program plays with.
class ClockRandomSource : public RandomSource {
public:
    ClockRandomSource();
    void Reseed() override;
    double Next() override;

private:
    std::mt19937_64 engine_;
};

// N = r x 1000 rounded to the nearest integer, halves to even: 0 to 1000.
int DrawNumber(RandomSource& random);
// N mod 100; N = 1000 gives cell 0.
int DrawCell(RandomSource& random);
// N mod 2.
int DrawCoin(RandomSource& random);
