#include "Random.h"

Random::Random()
    : m_engine(std::random_device{}())
{
}

Random &Random::shared()
{
    static Random instance;
    return instance;
}

int Random::below(int n)
{
    if (n < 1)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(m_engine);
}

int Random::between(int low, int high)
{
    if (high < low)
        std::swap(low, high);
    return std::uniform_int_distribution<int>(low, high)(m_engine);
}

quint64 Random::word(quint64 low, quint64 high)
{
    if (high < low)
        std::swap(low, high);
    return std::uniform_int_distribution<quint64>(low, high)(m_engine);
}

double Random::unit()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine);
}
