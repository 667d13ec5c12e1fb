#include "TypesAhead.h"

#include <QQmlComponent>
#include <QQmlEngine>

void TypesAhead::load(QObject *holder, const QList<QUrl> &files)
{
    QQmlEngine *engine = holder ? qmlEngine(holder) : nullptr;
    if (!engine || files.isEmpty())
        return;
    new QQmlComponent(engine, files.first(), QQmlComponent::PreferSynchronous, holder);
    // Queued on the holder: dropped with it.
    QMetaObject::invokeMethod(
        holder, [holder, rest = files.mid(1)] { load(holder, rest); }, Qt::QueuedConnection);
}
