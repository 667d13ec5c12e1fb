#pragma once

// Watches the QML type loader's own thread. Qt 6.4's loader, resolving a type on its
// thread, may free compiled files that are linked to the JavaScript engine (trimming its
// type cache), while the garbage collector on the interface thread walks the same list
// of files with no lock: the program dies inside the engine. That is only safe while the
// interface thread waits for the loader, as it does for a type loaded synchronously.
//
// The watch, a URL interceptor of the engine, counts each lookup on the loader's thread
// made while the interface thread does not wait for it (see interfaceThreadBusy()), and
// warns of it on the interface thread, so that a window test that fails on warnings fails.

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
