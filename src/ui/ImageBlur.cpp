#include "ImageBlur.h"

#include <cmath>
#include <cstddef>
#include <vector>

namespace {

// One box pass of half-width r along n values spaced `step` bytes apart, in place.
// `line` is scratch room for n values.
void boxPass(uchar *data, int n, std::ptrdiff_t step, int r, bool repeatEdges, std::vector<int> &line)
{
    const int span = 2 * r + 1;
    const auto at = [&](int i) -> int {
        if (i < 0)
            return repeatEdges ? data[0] : 0;
        if (i >= n)
            return repeatEdges ? data[std::ptrdiff_t(n - 1) * step] : 0;
        return data[std::ptrdiff_t(i) * step];
    };
    int sum = 0;
    for (int i = -r; i <= r; ++i)
        sum += at(i);
    for (int i = 0; i < n; ++i) {
        line[size_t(i)] = (sum + span / 2) / span;
        sum += at(i + r + 1) - at(i - r);
    }
    for (int i = 0; i < n; ++i)
        data[std::ptrdiff_t(i) * step] = uchar(line[size_t(i)]);
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
    uchar *bits = image.bits();
    std::vector<int> line(size_t(qMax(w, h)));
    // Each channel of a premultiplied pixel blurs on its own, in whatever byte order.
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y)
            for (int c = 0; c < channels; ++c)
                boxPass(bits + y * rowStep + c, w, channels, r, !mask, line);
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < channels; ++c)
                boxPass(bits + std::ptrdiff_t(x) * channels + c, h, rowStep, r, !mask, line);
    }
}

} // namespace ImageBlur
