// pw_artgen: paints the storybook pictures and the game covers into PNG files.
//
//   pw_artgen <output folder> [--catalog game_catalog.json] [name ...]
//
// With names, only the pictures whose name contains one of them are painted. With a
// catalogue, every game in it must have a cover (the tool fails otherwise). A cover whose
// subject reaches under the card's icon tile is reported and fails the run.

#include "Pictures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>
#include <cstdio>

namespace {

QImage painted(QSize size, const std::function<void(QPainter &)> &paint)
{
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    paint(p);
    return img;
}

// The pixels of `area` where the picture differs clearly from its bare page (faint
// shadows and antialiased fringes aside), and the box around them.
std::pair<int, QRect> subjectIn(const QImage &picture, const QImage &page, const QRect &area)
{
    constexpr int kClearly = 40;
    int count = 0;
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb a = picture.pixel(x, y), b = page.pixel(x, y);
            if (std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))})
                > kClearly) {
                ++count;
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return {count, box};
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: pw_artgen <output folder> [--catalog file] [name ...]\n");
        return 2;
    }
    const QString outDir = args.takeFirst();
    QString catalog;
    if (args.size() >= 2 && args.first() == u"--catalog") {
        args.removeFirst();
        catalog = args.takeFirst();
    }

    if (!catalog.isEmpty()) {
        QFile f(catalog);
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(catalog));
            return 1;
        }
        QSet<QString> covered;
        for (const auto &[id, shelf] : Art::coveredGames())
            covered.insert(id);
        int missing = 0;
        for (const QJsonValue &v : QJsonDocument::fromJson(f.readAll()).array()) {
            const QString id = v.toObject().value(u"id").toString();
            if (!covered.contains(id)) {
                std::fprintf(stderr, "no cover for game %s\n", qPrintable(id));
                ++missing;
            }
        }
        if (missing)
            return 1;
    }

    QDir().mkpath(outDir);
    const QList<Art::Picture> all = Art::scenes() + Art::storybookPictures() + Art::spotScenes() + Art::figures()
                                   + Art::covers();
    int written = 0;
    int hidden = 0;
    for (const Art::Picture &pic : all) {
        if (!args.isEmpty()
            && std::none_of(args.begin(), args.end(), [&](const QString &a) { return pic.name.contains(a); }))
            continue;
        const QImage img = painted(pic.size, pic.paint);
        if (pic.page) {
            const auto [count, box] = subjectIn(img, painted(pic.size, pic.page), pic.hidden.toAlignedRect());
            if (count > 0) {
                std::fprintf(stderr, "%s: %d pixels of the subject under the icon tile, in %d,%d %dx%d\n",
                             qPrintable(pic.name), count, box.x(), box.y(), box.width(), box.height());
                ++hidden;
            }
        }
        const QString path = outDir + QLatin1Char('/') + pic.name + QStringLiteral(".png");
        const QImage out = pic.transparent ? img.convertToFormat(QImage::Format_ARGB32) : img.convertToFormat(QImage::Format_RGB32);
        if (!out.save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        ++written;
    }
    std::printf("%d pictures written to %s\n", written, qPrintable(outDir));
    return hidden ? 1 : 0;
}
