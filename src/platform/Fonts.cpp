#include "Fonts.h"

#include "RecentlyUsed.h"
#include "SystemSymbols.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <memory>
#include <vector>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QMutex>
#include <QPainter>
#include <QRawFont>
#include <QTextBoundaryFinder>
#include <QTextCharFormat>
#include <QTextLayout>

#include <ft2build.h>
#include FT_FREETYPE_H

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
    // Whether its first page is the program's own copy (a collection's header listing
    // only the faces registered), which must never be let go.
    bool ownFirstPage = false;
};

// The font database reads from the mappings for as long as the program runs: their
// files stay open, held where they can still be reached (never closed, not lost).
std::vector<Mapping> &mappings()
{
    static auto *const kept = new std::vector<Mapping>;
    return *kept;
}

// The big-endian 32-bit number at `at`.
quint32 readU32(const uchar *at)
{
    return quint32(at[0]) << 24 | quint32(at[1]) << 16 | quint32(at[2]) << 8 | quint32(at[3]);
}

void writeU32(uchar *at, quint32 value)
{
    at[0] = uchar(value >> 24);
    at[1] = uchar(value >> 16);
    at[2] = uchar(value >> 8);
    at[3] = uchar(value);
}

quint16 readU16(const uchar *at)
{
    return quint16(at[0] << 8 | at[1]);
}

// Whether the face whose table directory starts at `face` in `data` (`size` bytes) is
// named `family` in English in its naming table (as its family, or its typographic
// family where it has one): read from the table itself, as opening the face with
// FreeType reads much more of it.
bool namesFamily(const uchar *data, qint64 size, quint32 face, const QString &family)
{
    const auto inside = [size](qint64 at, qint64 length) { return at >= 0 && length >= 0 && at + length <= size; };
    if (!inside(face, 12))
        return false;
    const quint16 tables = readU16(data + face + 4);
    if (!inside(face + 12, 16 * qint64(tables)))
        return false;
    for (quint16 t = 0; t < tables; ++t) {
        const uchar *record = data + face + 12 + 16 * t;
        if (std::memcmp(record, "name", 4) != 0)
            continue;
        const qint64 table = readU32(record + 8);
        if (!inside(table, 6))
            return false;
        const quint16 count = readU16(data + table + 2);
        const qint64 strings = table + readU16(data + table + 4);
        if (!inside(table + 6, 12 * qint64(count)))
            return false;
        for (quint16 n = 0; n < count; ++n) {
            const uchar *name = data + table + 6 + 12 * n;
            // Windows platform, Unicode, US English; family (1) or typographic family (16).
            const quint16 id = readU16(name + 6);
            if (readU16(name) != 3 || readU16(name + 2) != 1 || readU16(name + 4) != 0x409 || (id != 1 && id != 16))
                continue;
            const qint64 length = readU16(name + 8);
            const qint64 at = strings + readU16(name + 10);
            if (!inside(at, length))
                continue;
            QString text(length / 2, Qt::Uninitialized);
            for (qint64 c = 0; c < length / 2; ++c)
                text[c] = QChar(readU16(data + at + 2 * c));
            if (text == family)
                return true;
        }
        return false;
    }
    return false;
}

enum class Header { Whole, Listed, Lost };

// Where `data` (a mapping of `size` bytes) is a font collection holding faces of other
// families beside `family`: puts a copy of its first page in the place of the mapped
// one, its header listing only the faces of `family` (Listed). Lost where the page could
// not be put there: the mapping is then unusable.
Header listOnlyFaces(uchar *data, qint64 size, const QString &family)
{
    static const qint64 pageSize = ::sysconf(_SC_PAGESIZE);
    // The header: tag, version, number of faces, then where each face's table
    // directory starts in the file.
    if (size < pageSize || std::memcmp(data, "ttcf", 4) != 0)
        return Header::Whole;
    const quint32 faces = readU32(data + 8);
    if (faces < 2 || 12 + 4 * qint64(faces) > pageSize)
        return Header::Whole;
    std::vector<quint32> kept;
    for (quint32 i = 0; i < faces; ++i) {
        const quint32 face = readU32(data + 12 + 4 * i);
        if (namesFamily(data, size, face, family))
            kept.push_back(face);
    }
    if (kept.empty() || kept.size() == faces)
        return Header::Whole;
    const std::vector<uchar> first(data, data + pageSize);
    if (::mmap(data, size_t(pageSize), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) != data)
        return Header::Lost;
    std::memcpy(data, first.data(), first.size());
    writeU32(data + 8, quint32(kept.size()));
    for (size_t i = 0; i < kept.size(); ++i)
        writeU32(data + 12 + 4 * i, kept[i]);
    ::mprotect(data, size_t(pageSize), PROT_READ);
    return Header::Listed;
}

// Registers a font file from one read-only mapping of it that the program keeps, in
// place of the font configuration's entry for the same faces. A face opened from the
// file's path maps the whole file anew in every thread that draws with it (FreeType
// faces are per thread: the interface thread lays out and paints, the render thread's
// distance-field glyph cache draws every glyph again), and each mapping keeps resident
// the pages its thread touched: a CJK font's outlines were held twice, growing with
// every new character shown. Faces opened from memory all read the one mapping.
//
// Registering a face makes the font configuration read every character the face
// draws (some 65,000 in a CJK face), and a CJK collection holds ten faces (five
// regions, plain and monospaced) of which the program draws one: from a collection,
// only the faces of `family` are registered, through a copy of the file's first page
// whose header lists those faces alone (the faces themselves are found at the same
// places in the file). The other faces stay known from the system's font
// configuration, as before.
bool addMapped(const QString &path, const QString &family)
{
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly) || file->size() <= 0)
        return false;
    const qint64 size = file->size();
    uchar *data = file->map(0, size);
    if (!data)
        return false;
    const Header header = listOnlyFaces(data, size, family);
    if (header == Header::Lost)
        return false; // the faces are still known from the system's font folders
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), size);
    if (QFontDatabase::addApplicationFontFromData(bytes) < 0)
        return false;
    mappings().push_back({std::move(file), data, size, header == Header::Listed});
    return true;
}

// The weight of the text family's face that draws each weight asked for (by hundreds,
// 100 to 900), where the text is to be asked for with the face's own weight instead (0:
// asked for as it is; -1: not looked up yet). Looked up as a weight is first asked for,
// on whichever thread asks: the lookup loads a font engine, some 0.25 ms each, and the
// first screen asks for a few weights only.
std::array<std::atomic<int>, 10> &faceWeights()
{
    static std::array<std::atomic<int>, 10> weights{};
    return weights;
}

int faceWeight(int weight)
{
    std::atomic<int> &known = faceWeights()[weight / 100];
    int face = known.load(std::memory_order_acquire);
    if (face >= 0)
        return face;
    // Qt keeps a distance-field glyph cache for every weight a font is asked for, even
    // where two weights draw with one face (with OpenGL, beside a copy of its texture in
    // memory): a character shown in black and in bold was drawn and held twice. A weight
    // drawn with a face of another weight is asked for as the face's own. A regular face
    // asked for from bold on is drawn emboldened, so there the weight stays; a bold face
    // takes the weights below bold too (demi-bold as bold): it is never emboldened, and
    // neither are the colour emoji after it (pictures, which Qt never emboldens).
    QFont asked(textFamily());
    asked.setWeight(QFont::Weight(weight));
    const QFontInfo drawn(asked);
    const int drawing = drawn.family() == textFamily() ? QFontDatabase::weight(textFamily(), drawn.styleName()) : -1;
    face = drawing > 0 && (drawing >= QFont::Bold || weight < QFont::Bold) ? drawing : 0;
    known.store(face, std::memory_order_release);
    return face;
}

// How many emoji pictures have been unpacked from the font and scaled.
std::atomic<int> &emojiUnpackedCount()
{
    static std::atomic<int> count{0};
    return count;
}

// The colour-emoji font opened with FreeType on the program's mapping of it, at its
// largest picture size, for drawing emoji past Qt's glyph caches; used under its lock.
// Opened once the mapping is there and kept, as the mapping is.
struct EmojiFace
{
    QMutex lock; // guards the face and `drawn`
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    qreal pictureHeight = 0; // the height of the font's pictures, the size they are drawn for

    // A glyph's picture as drawn: scaled, and placed from the pen.
    struct Drawn
    {
        QImage picture; // null for a glyph without pixels (a joiner, a space)
        QPoint offset;
    };
    // The glyphs drawn lately, at the scales they were drawn at (glyph index, scale in
    // 1/65536): a screen that comes again (the next play of a game shows the same pet and
    // task cards) draws them without unpacking and scaling the font's pictures again.
    using DrawnKey = std::pair<quint32, qint64>;
    RecentlyUsed<DrawnKey, Drawn> drawn{4 * 1024 * 1024, [](const Drawn &d) { return d.picture.sizeInBytes(); }};

    // The glyph's picture at `scale` (the lock held); false when the font has no
    // picture for it.
    bool picture(quint32 index, qreal scale, Drawn &result);
};

bool EmojiFace::picture(quint32 index, qreal scale, Drawn &result)
{
    const DrawnKey key(index, qRound64(scale * 65536));
    if (const Drawn *kept = drawn.find(key)) {
        result = *kept;
        return true;
    }
    if (FT_Load_Glyph(face, index, FT_LOAD_COLOR) != 0)
        return false;
    const FT_GlyphSlot slot = face->glyph;
    if (slot->bitmap.pixel_mode != FT_PIXEL_MODE_BGRA)
        return false;
    result = {};
    if (slot->bitmap.width > 0 && slot->bitmap.rows > 0) {
        const QImage picture(slot->bitmap.buffer, int(slot->bitmap.width), int(slot->bitmap.rows), slot->bitmap.pitch,
                             QImage::Format_ARGB32_Premultiplied);
        result.picture = picture.transformed(QTransform::fromScale(scale, scale), Qt::SmoothTransformation);
        result.offset = QPoint(qRound(slot->bitmap_left * scale), -qRound(slot->bitmap_top * scale));
    }
    emojiUnpackedCount().fetch_add(1, std::memory_order_relaxed);
    drawn.keep(key, result);
    return true;
}

EmojiFace *emojiFace()
{
    static QMutex opening;
    static EmojiFace *opened = nullptr;
    const QMutexLocker locker(&opening);
    if (opened)
        return opened;
    const auto mapping = std::find_if(mappings().begin(), mappings().end(), [](const Mapping &m) {
        return m.file->fileName() == QLatin1String(emojiPath);
    });
    if (mapping == mappings().end())
        return nullptr;
    auto face = std::make_unique<EmojiFace>();
    if (FT_Init_FreeType(&face->library) != 0)
        return nullptr;
    int largest = -1;
    if (FT_New_Memory_Face(face->library, mapping->data, FT_Long(mapping->size), 0, &face->face) == 0
        && FT_HAS_COLOR(face->face)) {
        for (int i = 0; i < face->face->num_fixed_sizes; ++i) {
            if (largest < 0 || face->face->available_sizes[i].height > face->face->available_sizes[largest].height)
                largest = i;
        }
    }
    if (largest < 0 || FT_Select_Size(face->face, largest) != 0) {
        FT_Done_FreeType(face->library); // with the face
        return nullptr;
    }
    face->pictureHeight = face->face->available_sizes[largest].height;
    opened = face.release();
    return opened;
}

// Lays out the lines of `glyphs` one under the other, in emoji(pixelSize) but for the
// spaces in `spaces`; returns their height.
qreal layOutLines(QTextLayout &layout, const QString &glyphs, qreal pixelSize,
                  const QList<QTextLayout::FormatRange> &spaces = {})
{
    layout.setText(glyphs);
    layout.setFont(emoji(pixelSize));
    layout.setFormats(spaces);
    QTextOption option;
    option.setUseDesignMetrics(true);
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    while (layout.createLine().isValid()) {
    }
    layout.endLayout();
    // A line knows its height once the layout has ended.
    qreal y = 0;
    for (int i = 0; i < layout.lineCount(); ++i) {
        QTextLine line = layout.lineAt(i);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    return y;
}

// The lines of `glyphs` laid out as a Text item in emoji(pixelSize) lays them out, but
// for the spaces, which take the text font's width: the emoji font's space is as wide
// as an emoji (two spaces between two emoji left a gap of more than two emoji). The
// lines keep the emoji font's height and baselines. Returns the height of the lines.
qreal layOut(QTextLayout &layout, const QString &glyphs, qreal pixelSize)
{
    QTextCharFormat spaceFormat;
    spaceFormat.setFont(text(pixelSize));
    QList<QTextLayout::FormatRange> spaces;
    for (int i = 0; i < glyphs.size(); ++i) {
        if (glyphs.at(i) != u' ')
            continue;
        if (!spaces.isEmpty() && spaces.last().start + spaces.last().length == i)
            ++spaces.last().length;
        else
            spaces.append({i, 1, spaceFormat});
    }
    const qreal height = layOutLines(layout, glyphs, pixelSize, spaces);
    if (spaces.isEmpty())
        return height;
    QTextLayout emojiOnly;
    const qreal emojiHeight = layOutLines(emojiOnly, glyphs, pixelSize);
    for (int i = 0; i < layout.lineCount() && i < emojiOnly.lineCount(); ++i) {
        const QTextLine kept = emojiOnly.lineAt(i);
        QTextLine line = layout.lineAt(i);
        line.setPosition(QPointF(0, kept.y() + kept.ascent() - line.ascent()));
    }
    return emojiHeight;
}

// Draws one glyph of the emoji font, its pen at `pen` in the painter's device pixels,
// scaled by `scale` from the font's picture. Whether the font had a picture for it.
bool drawEmojiGlyph(QPainter *painter, EmojiFace &face, quint32 index, QPointF pen, qreal scale)
{
    EmojiFace::Drawn drawn;
    {
        const QMutexLocker locker(&face.lock);
        if (!face.picture(index, scale, drawn))
            return false;
    }
    if (!drawn.picture.isNull())
        painter->drawImage(QPoint(qRound(pen.x()), qRound(pen.y())) + drawn.offset, drawn.picture);
    return true;
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
        for (const char *path : {cjkRegularPath, cjkBoldPath})
            addMapped(QString::fromLatin1(path), textFamily());
        addMapped(QString::fromLatin1(emojiPath), emojiFamily());
        // The font configuration may know the symbols from the package's compressed web
        // font, which a font engine unpacks whole as it is first loaded (the cover's
        // first frame draws a symbol): the plain TrueType file is read in place.
        addMapped(QString::fromLatin1(symbolsPath), SystemSymbols::fontFamily());
        return true;
    }();
    Q_UNUSED(mapped);
    ensureFamily(textFamily(), {cjkRegularPath, cjkBoldPath});
    if (hasFamily(textFamily()) && !QFontDatabase::styles(textFamily()).contains(QStringLiteral("Bold")))
        QFontDatabase::addApplicationFont(QString::fromLatin1(cjkBoldPath));
    ensureFamily(emojiFamily(), {emojiPath});
    ensureFamily(SystemSymbols::fontFamily(), {symbolsPath});
    // Which face draws each weight is looked up again with the families now known.
    for (std::atomic<int> &face : faceWeights())
        face.store(-1, std::memory_order_release);
    if (qGuiApp)
        QGuiApplication::setFont(text(15));
}

void releasePages()
{
    static const quintptr pageSize = quintptr(::sysconf(_SC_PAGESIZE));
    for (const Mapping &mapping : mappings()) {
        // A copied first page is the only copy: it stays.
        const quintptr start = (reinterpret_cast<quintptr>(mapping.data) & ~(pageSize - 1))
                               + (mapping.ownFirstPage ? pageSize : 0);
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
    const int face = tabled ? faceWeight(weight) : 0;
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

namespace {
std::atomic<int> &emojiLayoutCount()
{
    static std::atomic<int> count{0};
    return count;
}
} // namespace

EmojiLines layOutEmoji(const QString &glyphs, qreal pixelSize)
{
    emojiLayoutCount().fetch_add(1, std::memory_order_relaxed);
    EmojiLines laidOut;
    QTextLayout layout; // an empty text is one empty line, as high as any
    laidOut.size.setHeight(layOut(layout, glyphs, pixelSize));
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        laidOut.lines.append({line.naturalTextWidth(), line.glyphRuns()});
        laidOut.size.setWidth(qMax(laidOut.size.width(), line.naturalTextWidth()));
    }
    return laidOut;
}

int emojiPicturesUnpacked()
{
    return emojiUnpackedCount().load(std::memory_order_relaxed);
}

int emojiLayouts()
{
    return emojiLayoutCount().load(std::memory_order_relaxed);
}

void drawEmoji(QPainter *painter, const QRectF &rect, Qt::Alignment alignment, const QString &glyphs,
               qreal pixelSize)
{
    drawEmoji(painter, rect, alignment, layOutEmoji(glyphs, pixelSize), pixelSize);
}

void drawEmoji(QPainter *painter, const QRectF &rect, Qt::Alignment alignment, const EmojiLines &lines,
               qreal pixelSize)
{
    if (lines.lines.isEmpty())
        return;
    // Each line placed in `rect` as a Text item places it.
    const qreal height = lines.size.height();
    const qreal top = rect.top()
                      + (alignment & Qt::AlignBottom    ? rect.height() - height
                         : alignment & Qt::AlignVCenter ? (rect.height() - height) / 2
                                                        : 0);
    // The emoji are drawn in the painter's device pixels, at their size there, wherever the
    // painter only scales and moves; else (turned, skewed) scaled by the painter.
    const QTransform toDevice = painter->worldTransform();
    const bool plainScale = toDevice.type() <= QTransform::TxScale && toDevice.m11() == toDevice.m22()
                            && toDevice.m11() > 0;
    const qreal deviceScale = plainScale ? toDevice.m11() : 1;
    EmojiFace *face = emojiFace();
    const int size = emoji(pixelSize).pixelSize();
    for (const EmojiLines::Line &line : lines.lines) {
        const qreal spare = rect.width() - line.width;
        const qreal left = alignment & Qt::AlignRight ? spare : alignment & Qt::AlignHCenter ? spare / 2 : 0;
        const QPointF origin(rect.left() + left, top);
        for (const QGlyphRun &run : line.runs) {
            if (!face || run.rawFont().familyName() != emojiFamily()) {
                // Spaces leave nothing to draw (and nothing for the painter to keep).
                const QList<quint32> space = run.rawFont().glyphIndexesForString(QStringLiteral(" "));
                const QList<quint32> indexes = run.glyphIndexes();
                if (space.size() != 1
                    || std::any_of(indexes.begin(), indexes.end(), [&](quint32 i) { return i != space[0]; }))
                    painter->drawGlyphRun(origin, run);
                continue;
            }
            const QList<quint32> indexes = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            painter->save();
            if (plainScale)
                painter->resetTransform();
            else
                painter->setRenderHint(QPainter::SmoothPixmapTransform);
            const qreal scale = size * deviceScale / face->pictureHeight;
            for (qsizetype i = 0; i < indexes.size(); ++i) {
                const QPointF pen = origin + positions[i];
                drawEmojiGlyph(painter, *face, indexes[i], plainScale ? toDevice.map(pen) : pen, scale);
            }
            painter->restore();
        }
    }
}

QFont emoji(qreal pixelSize)
{
    QFont font;
    font.setFamilies({emojiFamily(), textFamily()});
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    return font;
}

} // namespace Fonts
