#include "Fonts.h"

#include "SystemSymbols.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>

namespace Fonts {
namespace {

bool hasFamily(const QString &family)
{
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

// Loads the first of `paths` that exists, when `family` is not known yet.
void ensureFamily(const QString &family, std::initializer_list<const char *> paths)
{
    if (hasFamily(family))
        return;
    for (const char *path : paths) {
        const QString file = QString::fromLatin1(path);
        if (QFile::exists(file) && QFontDatabase::addApplicationFont(file) >= 0 && hasFamily(family))
            return;
    }
}

} // namespace

QString textFamily() { return QStringLiteral("Noto Sans CJK SC"); }
QString emojiFamily() { return QStringLiteral("Noto Color Emoji"); }

bool textFamilyAvailable() { return hasFamily(textFamily()); }
bool emojiFamilyAvailable() { return hasFamily(emojiFamily()); }
bool symbolFamilyAvailable() { return hasFamily(SystemSymbols::fontFamily()); }

void install()
{
    ensureFamily(textFamily(), {"/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc",
                                "/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc"});
    if (hasFamily(textFamily()) && !QFontDatabase::styles(textFamily()).contains(QStringLiteral("Bold")))
        QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc"));
    ensureFamily(emojiFamily(), {"/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf"});
    ensureFamily(SystemSymbols::fontFamily(),
                 {"/usr/share/fonts/truetype/material-design-icons-iconfont/MaterialIcons-Regular.ttf"});
    if (qGuiApp)
        QGuiApplication::setFont(text(15));
}

QFont text(qreal pixelSize, QFont::Weight weight)
{
    QFont font;
    font.setFamilies({textFamily(), emojiFamily()});
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont emoji(qreal pixelSize)
{
    QFont font;
    font.setFamilies({emojiFamily(), textFamily()});
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    return font;
}

} // namespace Fonts
