#pragma once

#include <QHash>
#include <QImage>
#include <QMutex>
#include <QSize>
#include <QString>
#include <QWaitCondition>

#include <functional>
#include <list>

// The pictures of StorybookPicture as it draws them (a picture file at its shown size in
// pixels, corners cut), decoded on the shared worker threads ahead of their show. A
// picture prepared for the next time is kept, the most recently used first, up to a
// budget of bytes, so that every page that shows it finds it ready; one prepared only
// until it is shown (the pictures of a page being built, decoded side by side while the
// page is laid out) goes once every such preparation of it has been shown or forgotten.
// A picture asked for before its decoding has finished still comes: the asker waits for
// the worker already decoding it, or decodes it itself when no worker has started on it
// yet. A picture never prepared is
// decoded for its asker and not kept. A picture held (the next page of a book, which a
// page shown beside it holds) stays, shown or not, until its last holder lets it go.
class PictureCache
{
public:
    enum class Keep { UntilShown, ForNextTime };

    static PictureCache &shared();

    // Starts decoding the picture on a worker, unless it is kept or under way already.
    void prepare(const QString &path, QSize pixels, qreal radius, bool stretch, Keep keep = Keep::ForNextTime);
    // A picture prepared until shown that will not be asked for after all.
    void forget(const QString &path, QSize pixels, qreal radius, bool stretch);
    // Prepares the picture and keeps it, however often it is shown, until each hold()
    // of it has been matched by a release().
    void hold(const QString &path, QSize pixels, qreal radius, bool stretch);
    void release(const QString &path, QSize pixels, qreal radius, bool stretch);
    // The pictures of the file at `path` prepared for the next time, at whatever size,
    // when no screen a tap away shows them any more (one still being decoded is dropped
    // when it is done; an asker waiting for it decodes it itself).
    void forgetKept(const QString &path);
    // The picture (see StorybookPicture::shownPicture).
    QImage picture(const QString &path, QSize pixels, qreal radius, bool stretch);

    // How many pictures (of a file) were not decoded yet when they were asked for: the
    // asker waited for them or decoded them itself.
    int notReadyWhenAsked() const;
    // Whether the picture is decoded and waiting for its asker.
    bool isReady(const QString &path, QSize pixels, qreal radius, bool stretch) const;
    // The bytes of the pictures kept.
    qsizetype keptBytes() const;
    // Forgets every decoded picture (those under way are kept when they are done).
    void clear();

    // Room for what a shelf prepares in a window of up to 1920×1080 (the game page's
    // backdrop and the backdrops of its games' views), kept for the next time.
    static constexpr qsizetype budgetBytes = 48 * 1024 * 1024;

private:
    enum class State { Queued, Decoding, Ready };
    struct Entry
    {
        State state = State::Queued;
        bool keep = false;
        int awaited = 0; // preparations until shown not yet shown or forgotten
        int holders = 0;
        QImage image;
        // Whether nothing wants the picture any more.
        bool unwanted() const { return !keep && awaited == 0 && holders == 0; }
    };

    static QString keyOf(const QString &path, QSize pixels, qreal radius, bool stretch);
    // Marks the picture wanted by `wanting`, starting its decoding when it is new.
    void want(const QString &path, QSize pixels, qreal radius, bool stretch, const std::function<void(Entry &)> &wanting);
    // Takes back one want counted in `count` (a preparation until shown, or a hold), and
    // drops the picture once nothing wants it.
    void unwant(const QString &key, int Entry::*count);
    void decodeQueued(const QString &key, const QString &path, QSize pixels, qreal radius, bool stretch);
    // Stores a decoded picture (unless it was forgotten meanwhile) and drops the least
    // recently used ones beyond the budget.
    void store(const QString &key, const QImage &image);
    // Drops an entry, decoded or not (the mutex held).
    void remove(const QString &key);
    void touch(const QString &key);

    mutable QMutex m_mutex;
    QWaitCondition m_decoded;
    QHash<QString, Entry> m_entries;
    std::list<QString> m_recent; // decoded pictures, the most recently used first
    qsizetype m_bytes = 0;
    int m_notReadyWhenAsked = 0;
};
