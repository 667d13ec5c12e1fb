#include "ImageBlur.h"

#include <QPainter>

#include <cmath>
#include <cstddef>
#include <cstring>
#include <vector>

namespace {

// The rounded mean of a box of `span` bytes from their sum, (sum + span / 2) / span,
// as a multiplication: exact for boxes of fewer than 4096 bytes (the error of the
// rounded-up reciprocal stays below 1 / span while sum × span < 2³²).
class BoxMean
{
public:
    explicit BoxMean(int span)
        : m_half(quint32(span / 2))
        , m_reciprocal((quint64(1) << 32) / quint64(span) + 1)
    {
        Q_ASSERT(span > 0 && span < 4096);
    }
    uchar operator()(int sum) const { return uchar(((quint32(sum) + m_half) * m_reciprocal) >> 32); }

private:
    quint32 m_half;
    quint64 m_reciprocal;
};

// One box pass of half-width r along n values spaced `step` bytes apart, in place.
// `padded` is scratch room: the values with r of the edge's (or nothing) before them
// and r + 1 after, so the sliding sum runs without looking for the edges.
void boxPass(uchar *data, int n, std::ptrdiff_t step, int r, bool repeatEdges, std::vector<int> &padded)
{
    const int span = 2 * r + 1;
    padded.resize(size_t(n + span));
    const int before = repeatEdges ? data[0] : 0;
    const int after = repeatEdges ? data[std::ptrdiff_t(n - 1) * step] : 0;
    int *values = padded.data();
    for (int i = 0; i < r; ++i)
        values[i] = before;
    for (int i = 0; i < n; ++i)
        values[r + i] = data[std::ptrdiff_t(i) * step];
    for (int i = r + n; i < n + span; ++i)
        values[i] = after;
    const BoxMean mean(span);
    int sum = 0;
    for (int i = 0; i < span; ++i)
        sum += values[i];
    for (int i = 0; i < n; ++i) {
        data[std::ptrdiff_t(i) * step] = mean(sum);
        sum += values[i + span] - values[i];
    }
}

// The same pass down every column at once, a row at a time (the rows are read from
// `source`, a copy of the image, and the sums of every column slide together), so the
// pass walks the pixels in the order they lie in memory.
void columnPass(QImage &image, const QImage &source, int r, bool repeatEdges, std::vector<int> &sums,
                const std::vector<uchar> &nothing)
{
    const int span = 2 * r + 1;
    const int h = image.height();
    const int rowBytes = image.width() * (image.depth() / 8);
    const auto row = [&](int y) -> const uchar * {
        if (y < 0)
            return repeatEdges ? source.constScanLine(0) : nothing.data();
        if (y >= h)
            return repeatEdges ? source.constScanLine(h - 1) : nothing.data();
        return source.constScanLine(y);
    };
    sums.assign(size_t(rowBytes), 0);
    int *sum = sums.data();
    for (int y = -r; y <= r; ++y) {
        const uchar *in = row(y);
        for (int x = 0; x < rowBytes; ++x)
            sum[x] += in[x];
    }
    const BoxMean mean(span);
    for (int y = 0; y < h; ++y) {
        uchar *out = image.scanLine(y);
        const uchar *entering = row(y + r + 1);
        const uchar *leaving = row(y - r);
        for (int x = 0; x < rowBytes; ++x) {
            out[x] = mean(sum[x]);
            sum[x] += entering[x] - leaving[x];
        }
    }
}

} // namespace

namespace ImageBlur {

int boxRadius(qreal sigma)
{
    if (!(sigma > 0))
        return 0;
    // Three passes of width w = 2r + 1 have the variance 3 (w² − 1) / 12 = σ².
    return int(std::lround((std::sqrt(4 * sigma * sigma + 1) - 1) / 2));
}

void gaussian(QImage &image, qreal sigma)
{
    const int r = boxRadius(sigma);
    if (r < 1 || image.isNull())
        return;
    const bool mask = image.format() == QImage::Format_Alpha8;
    if (!mask && image.format() != QImage::Format_ARGB32_Premultiplied)
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    const int channels = mask ? 1 : 4;
    const int w = image.width();
    const int h = image.height();
    const std::ptrdiff_t rowStep = image.bytesPerLine();
    std::vector<int> scratch;
    const std::vector<uchar> nothing(size_t(w * channels), 0);
    QImage source(image.size(), image.format());
    // Each channel of a premultiplied pixel blurs on its own, in whatever byte order.
    for (int pass = 0; pass < 3; ++pass) {
        uchar *bits = image.bits();
        for (int y = 0; y < h; ++y)
            for (int c = 0; c < channels; ++c)
                boxPass(bits + y * rowStep + c, w, channels, r, !mask, scratch);
        std::memcpy(source.bits(), image.constBits(), size_t(image.sizeInBytes()));
        columnPass(image, source, r, !mask, scratch, nothing);
    }
}

QImage shadow(QImage mask, qreal sigma, const QColor &color)
{
    gaussian(mask, sigma);
    QImage picture(mask.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.drawImage(0, 0, mask);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(picture.rect(), color);
    p.end();
    return picture;
}

} // namespace ImageBlur
