#include "Fonts.h"

#include "SystemSymbols.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <memory>
#include <vector>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QTextBoundaryFinder>

#include <sys/mman.h>
#include <unistd.h>

namespace Fonts {
namespace {

// Where Debian puts the fonts the program draws with.
constexpr auto cjkRegularPath = "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc";
constexpr auto cjkBoldPath = "/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc";
constexpr auto emojiPath = "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf";
constexpr auto symbolsPath = "/usr/share/fonts/truetype/material-design-icons-iconfont/MaterialIcons-Regular.ttf";

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

// One font file's mapping, open for as long as the program runs.
struct Mapping
{
    std::unique_ptr<QFile> file;
    const uchar *data = nullptr;
    qint64 size = 0;
};

// The font database reads from the mappings for as long as the program runs: their
// files stay open, held where they can still be reached (never closed, not lost).
std::vector<Mapping> &mappings()
{
    static auto *const kept = new std::vector<Mapping>;
    return *kept;
}

// Registers a font file from one read-only mapping of it that the program keeps, in
// place of the font configuration's entry for the same faces. A face opened from the
// file's path maps the whole file anew in every thread that draws with it (FreeType
// faces are per thread: the interface thread lays out and paints, the render thread's
// distance-field glyph cache draws every glyph again), and each mapping keeps resident
// the pages its thread touched: a CJK font's outlines were held twice, growing with
// every new character shown. Faces opened from memory all read the one mapping.
bool addMapped(const QString &path)
{
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly) || file->size() <= 0)
        return false;
    const uchar *data = file->map(0, file->size());
    if (!data)
        return false;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), file->size());
    if (QFontDatabase::addApplicationFontFromData(bytes) < 0)
        return false;
    const qint64 size = file->size();
    mappings().push_back({std::move(file), data, size});
    return true;
}

// The weight of the text family's face that draws each weight asked for (by hundreds,
// 100 to 900), where the text is to be asked for with the face's own weight instead.
std::array<int, 10> &faceWeights()
{
    static std::array<int, 10> weights{};
    return weights;
}

} // namespace

QString textFamily() { return QStringLiteral("Noto Sans CJK SC"); }
QString emojiFamily() { return QStringLiteral("Noto Color Emoji"); }

bool textFamilyAvailable() { return hasFamily(textFamily()); }
bool emojiFamilyAvailable() { return hasFamily(emojiFamily()); }
bool symbolFamilyAvailable() { return hasFamily(SystemSymbols::fontFamily()); }

void install()
{
    // Once per process: a second registration of the same files would list their
    // families twice.
    static const bool mapped = [] {
        // The system's fonts are listed first: a face listed later takes the place of an
        // earlier one of the same family and style.
        QFontDatabase::families();
        for (const char *path : {cjkRegularPath, cjkBoldPath, emojiPath})
            addMapped(QString::fromLatin1(path));
        return true;
    }();
    Q_UNUSED(mapped);
    ensureFamily(textFamily(), {cjkRegularPath, cjkBoldPath});
    if (hasFamily(textFamily()) && !QFontDatabase::styles(textFamily()).contains(QStringLiteral("Bold")))
        QFontDatabase::addApplicationFont(QString::fromLatin1(cjkBoldPath));
    ensureFamily(emojiFamily(), {emojiPath});
    ensureFamily(SystemSymbols::fontFamily(), {symbolsPath});
    // Qt keeps a distance-field glyph cache for every weight a font is asked for, even
    // where two weights draw with one face (with OpenGL, beside a copy of its texture in
    // memory): a character shown in black and in bold was drawn and held twice. A weight
    // drawn with a face of another weight is asked for as the face's own, on the same side
    // of bold only: from bold on, a face without a bold style of its own (the colour emoji
    // after the text family) may be drawn emboldened.
    for (int weight = 100; weight <= 900; weight += 100) {
        QFont asked(textFamily());
        asked.setWeight(QFont::Weight(weight));
        const QFontInfo drawn(asked);
        const int face = drawn.family() == textFamily() ? QFontDatabase::weight(textFamily(), drawn.styleName()) : -1;
        faceWeights()[weight / 100] = face > 0 && (face >= QFont::Bold) == (weight >= QFont::Bold) ? face : 0;
    }
    if (qGuiApp)
        QGuiApplication::setFont(text(15));
}

void releasePages()
{
    static const quintptr pageSize = quintptr(::sysconf(_SC_PAGESIZE));
    for (const Mapping &mapping : mappings()) {
        const quintptr start = reinterpret_cast<quintptr>(mapping.data) & ~(pageSize - 1);
        const quintptr end = reinterpret_cast<quintptr>(mapping.data) + quintptr(mapping.size);
        ::madvise(reinterpret_cast<void *>(start), end - start, MADV_DONTNEED);
    }
}

QFont text(qreal pixelSize, QFont::Weight weight)
{
    QFont font;
    font.setFamilies({textFamily(), emojiFamily()});
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    const bool tabled = weight >= 100 && weight <= 900 && weight % 100 == 0;
    const int face = tabled ? faceWeights()[weight / 100] : 0;
    font.setWeight(face > 0 ? QFont::Weight(face) : weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

bool isEmojiCluster(QStringView cluster)
{
    // Single characters drawn as emoji by default although they lie in the BMP.
    static constexpr char16_t presentation[] = {
        0x231A, 0x231B, 0x23E9, 0x23EA, 0x23EB, 0x23EC, 0x23F0, 0x23F3, 0x25FD, 0x25FE, 0x2614,
        0x2615, 0x2648, 0x2649, 0x264A, 0x264B, 0x264C, 0x264D, 0x264E, 0x264F, 0x2650, 0x2651,
        0x2652, 0x2653, 0x267F, 0x2693, 0x26A1, 0x26AA, 0x26AB, 0x26BD, 0x26BE, 0x26C4, 0x26C5,
        0x26CE, 0x26D4, 0x26EA, 0x26F2, 0x26F3, 0x26F5, 0x26FA, 0x26FD, 0x2705, 0x270A, 0x270B,
        0x2728, 0x274C, 0x274E, 0x2753, 0x2754, 0x2755, 0x2757, 0x2795, 0x2796, 0x2797, 0x27B0,
        0x27BF, 0x2B1B, 0x2B1C, 0x2B50, 0x2B55};
    for (const char32_t c : cluster.toUcs4()) {
        if (c == 0xFE0F || c == 0x20E3 || (c >= 0x1F000 && c <= 0x1FAFF))
            return true;
        if (c <= 0xFFFF && std::find(std::begin(presentation), std::end(presentation), char16_t(c)) != std::end(presentation))
            return true;
    }
    return false;
}

QString emojiGlyphs(const QString &text)
{
    QString glyphs = text;
    glyphs.remove(QChar(0xFE0F));
    glyphs.remove(QChar(0xFE0E));
    return glyphs;
}

QString emojiMarkup(const QString &text)
{
    QString result;
    result.reserve(text.size() + 16);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    bool inEmoji = false;
    for (qsizetype end = finder.toNextBoundary(); end != -1; end = finder.toNextBoundary()) {
        const QStringView cluster = QStringView(text).mid(start, end - start);
        const bool emoji = isEmojiCluster(cluster);
        if (emoji != inEmoji) {
            result += emoji ? QStringLiteral("<font face=\"%1\">").arg(emojiFamily()) : QStringLiteral("</font>");
            inEmoji = emoji;
        }
        if (cluster == u"\n")
            result += QStringLiteral("<br>");
        else if (emoji)
            result += emojiGlyphs(cluster.toString()).toHtmlEscaped();
        else
            result += cluster.toString().toHtmlEscaped();
        start = end;
    }
    if (inEmoji)
        result += QStringLiteral("</font>");
    return result;
}

QFont emoji(qreal pixelSize)
{
    QFont font;
    font.setFamilies({emojiFamily(), textFamily()});
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    return font;
}

} // namespace Fonts
