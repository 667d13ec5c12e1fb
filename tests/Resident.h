#pragma once

#include <QByteArray>
#include <QFile>

// The resident KiB of this process's mappings of the file at `path`, or -1 without /proc.
inline int residentKiB(const QByteArray &path)
{
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    if (!smaps.open(QIODevice::ReadOnly))
        return -1;
    int kib = 0;
    bool inside = false;
    for (const QByteArray &line : smaps.readAll().split('\n')) {
        // A mapping's first line starts with its address (lower-case hex digits), its
        // fields with a capitalised name.
        const char first = line.isEmpty() ? ' ' : line.at(0);
        if ((first >= '0' && first <= '9') || (first >= 'a' && first <= 'f'))
            inside = line.endsWith(path);
        else if (inside && line.startsWith("Rss:"))
            kib += line.mid(4).trimmed().split(' ').value(0).toInt();
    }
    return kib;
}
