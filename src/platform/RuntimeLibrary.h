#pragma once

#include <dlfcn.h>

#include <optional>

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

    // The functions of the library `name` gathered in an `Api` (whose
    // `resolve(RuntimeLibrary &)` asks for each), loaded on first use and kept; null when
    // the library or one of the functions is missing.
    template <typename Api>
    static const Api *loadOnce(const char *name)
    {
        static const std::optional<Api> loaded = [name]() -> std::optional<Api> {
            RuntimeLibrary library(name);
            Api api;
            api.resolve(library);
            return library.complete() ? std::optional<Api>(api) : std::nullopt;
        }();
        return loaded ? &*loaded : nullptr;
    }

private:
    void *m_handle;
    bool m_complete = true;
};
