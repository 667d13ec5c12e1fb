#pragma once

#include <QHash>
#include <QImage>
#include <QMutex>
#include <QSize>
#include <QString>
#include <QWaitCondition>

#include <list>

// The pictures of StorybookPicture as it draws them (a picture file at its shown size in
// pixels, corners cut) that are prepared ahead of their first show: decoded on the
// shared worker threads and kept, the most recently used first, up to a budget of
// bytes, so that a page that opens finds them ready. A picture asked for before its
// decoding has finished still comes: the asker waits for the worker already decoding
// it, or decodes it itself when no worker has started on it yet. A picture never
// prepared is decoded for its asker and not kept.
class PictureCache
{
public:
    static PictureCache &shared();

    // Starts decoding the picture on a worker, unless it is kept or under way already.
    void prepare(const QString &path, QSize pixels, qreal radius, bool stretch);
    // The picture (see StorybookPicture::shownPicture).
    QImage picture(const QString &path, QSize pixels, qreal radius, bool stretch);

    // How many pictures were decoded by the one asking for them rather than ahead.
    int decodedOnDemand() const;
    // Whether the picture is decoded and kept.
    bool isReady(const QString &path, QSize pixels, qreal radius, bool stretch) const;
    // The bytes of the pictures kept.
    qsizetype keptBytes() const;
    // Forgets every kept picture (those under way are kept when they are done).
    void clear();

    static constexpr qsizetype budgetBytes = 32 * 1024 * 1024;

private:
    enum class State { Queued, Decoding, Ready };
    struct Entry
    {
        State state = State::Queued;
        QImage image;
    };

    static QString keyOf(const QString &path, QSize pixels, qreal radius, bool stretch);
    void decodeQueued(const QString &key, const QString &path, QSize pixels, qreal radius, bool stretch);
    // Stores a decoded picture and drops the least recently used ones beyond the budget.
    void store(const QString &key, const QImage &image);
    void touch(const QString &key);

    mutable QMutex m_mutex;
    QWaitCondition m_decoded;
    QHash<QString, Entry> m_entries;
    std::list<QString> m_recent; // ready pictures, the most recently used first
    qsizetype m_bytes = 0;
    int m_decodedOnDemand = 0;
};
