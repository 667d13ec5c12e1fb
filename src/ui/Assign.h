#pragma once

#include <utility>

// Sets a property's field; true when the value changed (then the setter notifies).
template<typename T, typename U>
bool assignChanged(T &field, U &&value)
{
    if (field == value)
        return false;
    field = std::forward<U>(value);
    return true;
}
