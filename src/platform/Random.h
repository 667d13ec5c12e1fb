#pragma once

#include <QtGlobal>

#include <random>
#include <utility>

// The one source of random choices (shuffles, picks, positions). Seeded from the
// system at start; tests seed it to replay a play exactly.
class Random
{
public:
    static Random &shared();

    void seed(quint64 seed) { m_engine.seed(seed); }

    // A whole number in [0, n); 0 when n < 1.
    int below(int n);
    // A whole number in [low, high], both included.
    int between(int low, int high);
    // A whole 64-bit number in [low, high], both included (a fresh seed).
    quint64 word(quint64 low, quint64 high);
    // A real number in [0, 1).
    double unit();
    // A real number in [low, high).
    double real(double low, double high) { return low + (high - low) * unit(); }
    bool chance(double probability) { return unit() < probability; }

    // Shuffles uniformly (Fisher–Yates).
    template<typename Container>
    void shuffle(Container &items)
    {
        for (qsizetype i = qsizetype(items.size()) - 1; i > 0; --i) {
            const qsizetype j = below(int(i + 1));
            using std::swap;
            swap(items[i], items[j]);
        }
    }

    template<typename Container>
    Container shuffled(Container items)
    {
        shuffle(items);
        return items;
    }

    // One element chosen uniformly; the container must not be empty.
    template<typename Container>
    const auto &pick(const Container &items)
    {
        return items[below(int(items.size()))];
    }

private:
    Random();
    std::mt19937_64 m_engine;
};
