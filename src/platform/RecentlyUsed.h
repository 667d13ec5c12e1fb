#pragma once

#include <QtGlobal>

#include <algorithm>
#include <functional>
#include <list>
#include <utility>

// What was made lately, kept for the next asker, the most recently used first: each value
// has a cost (bytes, or 1 to count values), and the least recently used go once the
// costs add up to more than the budget (the newest stays whatever its cost). Not locked:
// its owner guards it where several threads use it.
template <typename Key, typename Value>
class RecentlyUsed
{
public:
    explicit RecentlyUsed(qsizetype budget, std::function<qsizetype(const Value &)> cost = {})
        : m_budget(budget)
        , m_cost(std::move(cost))
    {
    }

    // The value kept for `key`, now the most recently used; null when none is kept.
    const Value *find(const Key &key)
    {
        const auto found = std::find_if(m_recent.begin(), m_recent.end(),
                                        [&](const auto &entry) { return entry.first == key; });
        if (found == m_recent.end())
            return nullptr;
        m_recent.splice(m_recent.begin(), m_recent, found);
        return &m_recent.front().second;
    }

    // Keeps `value` for `key` (a key not kept yet) and lets go of the least recently used
    // beyond the budget.
    const Value &keep(const Key &key, Value value)
    {
        m_recent.emplace_front(key, std::move(value));
        m_spent += costOf(m_recent.front().second);
        while (m_spent > m_budget && m_recent.size() > 1) {
            m_spent -= costOf(m_recent.back().second);
            m_recent.pop_back();
        }
        return m_recent.front().second;
    }

private:
    qsizetype costOf(const Value &value) const { return m_cost ? m_cost(value) : 1; }

    qsizetype m_budget;
    std::function<qsizetype(const Value &)> m_cost;
    std::list<std::pair<Key, Value>> m_recent;
    qsizetype m_spent = 0;
};
