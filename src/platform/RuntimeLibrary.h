#pragma once

#include <dlfcn.h>

// A library loaded by its run-time name when first needed instead of being linked (a
// linked library is mapped and relocated at start-up and held on every screen), and
// kept for as long as the program runs, with its functions looked up by name.
class RuntimeLibrary
{
public:
    explicit RuntimeLibrary(const char *name)
        : m_handle(::dlopen(name, RTLD_NOW | RTLD_LOCAL))
    {
    }

    // Sets `function` to the library's function `name` (null when it has none).
    template <typename Function>
    void resolve(Function &function, const char *name)
    {
        function = m_handle ? reinterpret_cast<Function>(::dlsym(m_handle, name)) : nullptr;
        m_complete = m_complete && function;
    }

    // Whether the library was loaded and every function asked for was found.
    bool complete() const { return m_handle && m_complete; }

private:
    void *m_handle;
    bool m_complete = true;
};
