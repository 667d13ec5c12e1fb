#include "TypeLoadWatch.h"

#include <QCoreApplication>
#include <QFile>
#include <QQmlEngine>
#include <QThread>

#include <sys/syscall.h>
#include <unistd.h>

TypeLoadWatch::TypeLoadWatch(QQmlEngine &engine)
    : m_engine(engine)
    , m_interfaceThread(int(::gettid()))
{
    m_engine.addUrlInterceptor(this);
}

TypeLoadWatch::~TypeLoadWatch()
{
    m_engine.removeUrlInterceptor(this);
}

QStringList TypeLoadWatch::loadedBeside() const
{
    QMutexLocker lock(&m_mutex);
    return m_loadedBeside;
}

void TypeLoadWatch::clear()
{
    QMutexLocker lock(&m_mutex);
    m_loadedBeside.clear();
}

bool TypeLoadWatch::interfaceThreadWaits() const
{
    // The first field of a thread's "syscall" file is the number of the call it sleeps
    // in, or "running". A thread that asks the loader for a type posts its request and
    // then waits on a condition (futex), letting go of the loader's lock as it starts to
    // wait; the loader, which takes that lock to look a file up, may find it an instant
    // before it sleeps. That instant is given some room; not much, as a thread that
    // runs meanwhile may come to wait for the lock the loader holds, which would make
    // a thread that never waited for the loader look as if it did.
    QFile file(QStringLiteral("/proc/self/task/%1/syscall").arg(m_interfaceThread));
    for (int look = 0; look < 20; ++look) {
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QByteArray call = file.readLine().split(' ').value(0).trimmed();
        file.close();
        if (call == QByteArray::number(SYS_futex))
            return true;
        if (call != "running")
            return false;
        QThread::usleep(50);
    }
    return false;
}

QUrl TypeLoadWatch::intercept(const QUrl &url, DataType type)
{
    if (QThread::currentThread() == m_engine.thread() || interfaceThreadWaits())
        return url;
    const QString what = QStringLiteral("%1 (%2)").arg(url.toString(), type == QmldirFile ? "module directory" : "file");
    {
        QMutexLocker lock(&m_mutex);
        m_loadedBeside << what;
    }
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [what] { qWarning("QML loaded on the loader's thread beside the interface thread: %s", qPrintable(what)); },
        Qt::QueuedConnection);
    return url;
}
