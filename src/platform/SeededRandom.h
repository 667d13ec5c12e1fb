#pragma once

#include <QtGlobal>

// Reproducible random sequences for content that must come out the same from the same
// seed on every run (a maze carved from a fixed seed, a generated picture level). These
// are not the play's random source: question order, shuffles and fresh seeds come from
// `Random`. All arithmetic wraps modulo 2^64.
//
//     Lcg64 lcg(42);
//     const quint64 pick = lcg.next() % candidates;   // advance, then use the new state
//
//     SplitMix64 mix(seed);
//     const int t = int(mix.next() % 10);

// The 64-bit linear congruential step: each draw first advances
// state = state * 6364136223846793005 + 1442695040888963407 and returns the new state.
// The state starts as the seed itself.
class Lcg64
{
public:
    static constexpr quint64 multiplier = 6364136223846793005ULL; // 0x5851F42D4C957F2D
    static constexpr quint64 increment = 1442695040888963407ULL;  // 0x14057B7EF767814F

    constexpr explicit Lcg64(quint64 seed = 0) : m_state(seed) {}

    constexpr quint64 next()
    {
        m_state = m_state * multiplier + increment;
        return m_state;
    }
    constexpr quint64 state() const { return m_state; }

private:
    quint64 m_state;
};

// SplitMix64 as published: state += 0x9E3779B97F4A7C15, then the two xor-shift-multiply
// rounds and a final xor-shift of a copy of the state. The constructor takes the state
// as is (state 0 gives 0xE220A8397B1DCDAF first); a generator that must never start
// from 0 replaces that seed itself, for example with `nonZero(seed)`.
class SplitMix64
{
public:
    static constexpr quint64 gamma = 0x9E3779B97F4A7C15ULL;

    constexpr explicit SplitMix64(quint64 state = 0) : m_state(state) {}

    // The seed, or `gamma` in place of 0.
    static constexpr quint64 nonZero(quint64 seed) { return seed == 0 ? gamma : seed; }

    constexpr quint64 next()
    {
        m_state += gamma;
        quint64 z = m_state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    constexpr quint64 state() const { return m_state; }

private:
    quint64 m_state;
};
