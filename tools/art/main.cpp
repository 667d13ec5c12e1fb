// pw_artgen: paints the storybook pictures and the game covers into PNG files.
//
//   pw_artgen <output folder> [--catalog game_catalog.json] [name ...]
//
// With names, only the pictures whose name contains one of them are painted. With a
// catalogue, every game in it must have a cover (the tool fails otherwise).

#include "Pictures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cstdio>

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
    for (const Art::Picture &pic : all) {
        if (!args.isEmpty()
            && std::none_of(args.begin(), args.end(), [&](const QString &a) { return pic.name.contains(a); }))
            continue;
        QImage img(pic.size, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        {
            QPainter p(&img);
            p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform
                             | QPainter::TextAntialiasing);
            pic.paint(p);
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
    return 0;
}
