#pragma once

// Watches the QML type loader's own thread. Qt 6.4's loader, resolving a type on its
// thread, may free compiled files that are linked to the JavaScript engine (trimming its
// type cache), while the garbage collector on the interface thread walks the same list
// of files with no lock: the program dies inside the engine. That is only safe while the
// interface thread waits for the loader, as it does for a type loaded synchronously.
//
// The watch sees every file and module directory the loader looks up (as a URL
// interceptor of the engine). A lookup on the loader's thread counts as a fault unless
// the interface thread sleeps in futex() meanwhile, as a thread waiting for the loader
// does (read from /proc; one that is about to is watched until it does, or has run on
// for 2 ms). Each fault, with what the interface thread was doing, is also
// printed as a warning on the interface thread, so that a window test that fails on
// warnings fails on it.

#include <QMutex>
#include <QQmlAbstractUrlInterceptor>
#include <QStringList>

class QQmlEngine;

class TypeLoadWatch final : public QQmlAbstractUrlInterceptor
{
public:
    explicit TypeLoadWatch(QQmlEngine &engine);
    ~TypeLoadWatch() override;

    // The files looked up on the loader's thread while the interface thread was free.
    QStringList loadedBeside() const;

    QUrl intercept(const QUrl &url, DataType type) override;

private:
    // Empty while the interface thread waits (or is on its way to wait) for the loader;
    // else what it does instead.
    QString interfaceThreadBusy() const;

    QQmlEngine &m_engine;
    const int m_interfaceThread;
    mutable QMutex m_mutex;
    QStringList m_loadedBeside;
};
