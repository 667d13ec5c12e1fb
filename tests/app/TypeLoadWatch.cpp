#include "TypeLoadWatch.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QQmlEngine>
#include <QThread>

#include <optional>

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

namespace {

// The first line of one of the interface thread's files in /proc.
QByteArray firstLine(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readLine() : QByteArray();
}

} // namespace

QString TypeLoadWatch::interfaceThreadBusy() const
{
    // The first field of a thread's "syscall" file is the number of the call it sleeps
    // in, "running", or -1 when it is held outside any call (a page fault: a page of a
    // file read in, the address space's lock waited for); the first of its "schedstat"
    // the nanoseconds it has run. A thread that asks the loader for a type posts its
    // request and waits on a condition (futex), letting go of the loader's lock as it
    // starts to wait: the loader may find the lock free an instant before that thread
    // sleeps, and on a busy machine the thread may be kept off the processor, or held in
    // a page fault, in that instant. So a thread seen running or held is watched until it
    // sleeps in a call, or until it has run on for 2 ms, which the way to its wait never
    // takes (a thread that runs that long is not waiting for the loader; looking much
    // longer would let it come to wait for the lock the loader holds meanwhile).
    const QString task = QStringLiteral("/proc/self/task/%1/").arg(m_interfaceThread);
    std::optional<qint64> ranBefore;
    QDeadlineTimer patience(2000);
    while (!patience.hasExpired()) {
        const QByteArray call = firstLine(task + QStringLiteral("syscall")).split(' ').value(0).trimmed();
        if (call == QByteArray::number(SYS_futex))
            return {};
        if (call != "running" && call != "-1") // asleep elsewhere: its event loop's poll, say
            return QStringLiteral("asleep in call %1").arg(QString::fromLatin1(call));
        const qint64 ran = firstLine(task + QStringLiteral("schedstat")).split(' ').value(0).toLongLong();
        if (!ranBefore)
            ranBefore = ran;
        else if (ran - *ranBefore > 2'000'000)
            return QStringLiteral("ran on for %1 ms").arg((ran - *ranBefore) / 1e6, 0, 'f', 1);
        QThread::usleep(100);
    }
    return {}; // kept off the processor or held all along: it ran no further
}

QUrl TypeLoadWatch::intercept(const QUrl &url, DataType type)
{
    if (QThread::currentThread() == m_engine.thread())
        return url;
    const QString busy = interfaceThreadBusy();
    if (busy.isEmpty())
        return url;
    const QString what = QStringLiteral("%1 (%2; the interface thread %3)")
                             .arg(url.toString(), type == QmldirFile ? "module directory" : "file", busy);
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
