#include "PictureCache.h"

#include "StorybookPicture.h"

#include <QMutexLocker>
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

void PictureCache::prepare(const QString &path, QSize pixels, qreal radius, bool stretch)
{
    if (pixels.isEmpty())
        return;
    const QString key = keyOf(path, pixels, radius, stretch);
    {
        QMutexLocker lock(&m_mutex);
        if (m_entries.contains(key))
            return;
        m_entries.insert(key, Entry{});
    }
    QThreadPool::globalInstance()->start(
        [this, key, path, pixels, radius, stretch] { decodeQueued(key, path, pixels, radius, stretch); });
}

void PictureCache::decodeQueued(const QString &key, const QString &path, QSize pixels, qreal radius, bool stretch)
{
    {
        QMutexLocker lock(&m_mutex);
        auto it = m_entries.find(key);
        // An asker that came first decodes it itself.
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
    {
        QMutexLocker lock(&m_mutex);
        auto it = m_entries.find(key);
        while (it != m_entries.end() && it->state == State::Decoding) {
            m_decoded.wait(&m_mutex);
            it = m_entries.find(key);
        }
        if (it != m_entries.end() && it->state == State::Ready) {
            touch(key);
            return it->image;
        }
        if (!path.isEmpty())
            ++m_decodedOnDemand;
        if (it == m_entries.end()) {
            // Never prepared: decoded here for this asker only.
            lock.unlock();
            return StorybookPicture::shownPicture(path, pixels, radius, stretch);
        }
        // Prepared but not started yet: decoded here, and kept.
        it->state = State::Decoding;
    }
    const QImage image = StorybookPicture::shownPicture(path, pixels, radius, stretch);
    store(key, image);
    return image;
}

void PictureCache::store(const QString &key, const QImage &image)
{
    QMutexLocker lock(&m_mutex);
    auto it = m_entries.find(key);
    if (it == m_entries.end())
        it = m_entries.insert(key, Entry{});
    it->state = State::Ready;
    it->image = image;
    m_bytes += image.sizeInBytes();
    m_recent.push_front(key);
    while (m_bytes > budgetBytes && m_recent.size() > 1) {
        const QString oldest = m_recent.back();
        m_recent.pop_back();
        auto old = m_entries.find(oldest);
        if (old != m_entries.end()) {
            m_bytes -= old->image.sizeInBytes();
            m_entries.erase(old);
        }
    }
    m_decoded.wakeAll();
}

void PictureCache::touch(const QString &key)
{
    const auto it = std::find(m_recent.begin(), m_recent.end(), key);
    if (it != m_recent.end())
        m_recent.splice(m_recent.begin(), m_recent, it);
}

int PictureCache::decodedOnDemand() const
{
    QMutexLocker lock(&m_mutex);
    return m_decodedOnDemand;
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
    for (const QString &key : m_recent)
        m_entries.remove(key);
    m_recent.clear();
    m_bytes = 0;
}
