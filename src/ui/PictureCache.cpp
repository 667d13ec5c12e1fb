#include "PictureCache.h"

#include "StorybookPicture.h"

#include <QMutexLocker>
#include <QStringList>
#include <QThreadPool>

#include <algorithm>
#include <cmath>

PictureCache &PictureCache::shared()
{
    static PictureCache *cache = new PictureCache; // workers may still use it at exit
    return *cache;
}

QString PictureCache::keyOf(const QString &path, QSize pixels, qreal radius, bool stretch)
{
    return QStringLiteral("%1|%2x%3|%4|%5")
        .arg(path)
        .arg(pixels.width())
        .arg(pixels.height())
        .arg(std::round(radius * 100) / 100)
        .arg(stretch ? 1 : 0);
}

void PictureCache::prepare(const QString &path, QSize pixels, qreal radius, bool stretch, Keep keep)
{
    want(path, pixels, radius, stretch, [keep](Entry &entry) {
        if (keep == Keep::ForNextTime)
            entry.keep = true;
        else
            ++entry.awaited;
    });
}

void PictureCache::want(const QString &path, QSize pixels, qreal radius, bool stretch,
                        const std::function<void(Entry &)> &wanting)
{
    if (pixels.isEmpty() || path.isEmpty())
        return;
    const QString key = keyOf(path, pixels, radius, stretch);
    {
        QMutexLocker lock(&m_mutex);
        auto it = m_entries.find(key);
        const bool known = it != m_entries.end();
        if (!known)
            it = m_entries.insert(key, Entry());
        wanting(*it);
        if (known)
            return;
    }
    QThreadPool::globalInstance()->start(
        [this, key, path, pixels, radius, stretch] { decodeQueued(key, path, pixels, radius, stretch); });
}

void PictureCache::forget(const QString &path, QSize pixels, qreal radius, bool stretch)
{
    unwant(keyOf(path, pixels, radius, stretch), &Entry::awaited);
}

void PictureCache::hold(const QString &path, QSize pixels, qreal radius, bool stretch)
{
    want(path, pixels, radius, stretch, [](Entry &entry) { ++entry.holders; });
}

void PictureCache::release(const QString &path, QSize pixels, qreal radius, bool stretch)
{
    unwant(keyOf(path, pixels, radius, stretch), &Entry::holders);
}

void PictureCache::unwant(const QString &key, int Entry::*count)
{
    QMutexLocker lock(&m_mutex);
    const auto it = m_entries.find(key);
    // Gone already where it was dropped for the budget.
    if (it == m_entries.end() || (*it).*count == 0)
        return;
    --((*it).*count);
    if (it->unwanted())
        remove(key);
}

void PictureCache::forgetKept(const QString &path)
{
    QMutexLocker lock(&m_mutex);
    const QString prefix = path + QLatin1Char('|');
    QStringList kept;
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (it->keep && it.key().startsWith(prefix)) {
            it->keep = false;
            if (it->unwanted())
                kept.append(it.key());
        }
    }
    for (const QString &key : std::as_const(kept))
        remove(key);
}

void PictureCache::decodeQueued(const QString &key, const QString &path, QSize pixels, qreal radius, bool stretch)
{
    {
        QMutexLocker lock(&m_mutex);
        auto it = m_entries.find(key);
        // Forgotten, or an asker that came first decodes it itself.
        if (it == m_entries.end() || it->state != State::Queued)
            return;
        it->state = State::Decoding;
    }
    store(key, StorybookPicture::shownPicture(path, pixels, radius, stretch));
}

QImage PictureCache::picture(const QString &path, QSize pixels, qreal radius, bool stretch)
{
    if (pixels.isEmpty())
        return {};
    const QString key = keyOf(path, pixels, radius, stretch);
    bool keep = false;
    {
        QMutexLocker lock(&m_mutex);
        auto it = m_entries.find(key);
        if (!path.isEmpty() && (it == m_entries.end() || it->state != State::Ready))
            ++m_notReadyWhenAsked;
        while (it != m_entries.end() && it->state == State::Decoding) {
            m_decoded.wait(&m_mutex);
            it = m_entries.find(key);
        }
        if (it != m_entries.end() && it->state == State::Ready) {
            const QImage image = it->image;
            it->awaited = qMax(0, it->awaited - 1);
            if (it->unwanted())
                remove(key);
            else
                touch(key);
            return image;
        }
        if (it == m_entries.end()) {
            // Never prepared: decoded here for this asker only.
            lock.unlock();
            return StorybookPicture::shownPicture(path, pixels, radius, stretch);
        }
        // Prepared but not started yet: decoded here (and kept if it is still wanted).
        it->state = State::Decoding;
        it->awaited = qMax(0, it->awaited - 1);
        keep = !it->unwanted();
    }
    const QImage image = StorybookPicture::shownPicture(path, pixels, radius, stretch);
    if (keep) {
        store(key, image);
    } else {
        QMutexLocker lock(&m_mutex);
        remove(key);
        m_decoded.wakeAll();
    }
    return image;
}

void PictureCache::store(const QString &key, const QImage &image)
{
    QMutexLocker lock(&m_mutex);
    auto it = m_entries.find(key);
    if (it == m_entries.end() || it->state == State::Ready) {
        m_decoded.wakeAll();
        return;
    }
    it->state = State::Ready;
    it->image = image;
    m_bytes += image.sizeInBytes();
    m_recent.push_front(key);
    while (m_bytes > budgetBytes && m_recent.size() > 1)
        remove(m_recent.back());
    m_decoded.wakeAll();
}

void PictureCache::remove(const QString &key)
{
    const auto it = m_entries.find(key);
    if (it == m_entries.end())
        return;
    if (it->state == State::Ready) {
        m_bytes -= it->image.sizeInBytes();
        const auto recent = std::find(m_recent.begin(), m_recent.end(), key);
        if (recent != m_recent.end())
            m_recent.erase(recent);
    }
    m_entries.erase(it);
}

void PictureCache::touch(const QString &key)
{
    const auto it = std::find(m_recent.begin(), m_recent.end(), key);
    if (it != m_recent.end())
        m_recent.splice(m_recent.begin(), m_recent, it);
}

int PictureCache::notReadyWhenAsked() const
{
    QMutexLocker lock(&m_mutex);
    return m_notReadyWhenAsked;
}

bool PictureCache::isReady(const QString &path, QSize pixels, qreal radius, bool stretch) const
{
    QMutexLocker lock(&m_mutex);
    const auto it = m_entries.constFind(keyOf(path, pixels, radius, stretch));
    return it != m_entries.cend() && it->state == State::Ready;
}

qsizetype PictureCache::keptBytes() const
{
    QMutexLocker lock(&m_mutex);
    return m_bytes;
}

void PictureCache::clear()
{
    QMutexLocker lock(&m_mutex);
    const std::list<QString> decoded = m_recent;
    for (const QString &key : decoded)
        remove(key);
}
