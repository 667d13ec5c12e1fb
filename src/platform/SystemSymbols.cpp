#include "SystemSymbols.h"

#include <QHash>

namespace SystemSymbols {
namespace {

struct Entry {
    const char *name;
    char32_t codePoint; // Material Icons
    // A glyph cut into the first one, for filled circles that Material has no glyph of.
    char32_t inner = 0;
};

// Symbol name → Material Icons code point (name of the Material glyph in the comment).
constexpr Entry kTable[] = {
    // sound and speech
    {"speaker.wave.2.fill", 0xe050},               // volume_up
    {"speaker.wave.3.fill", 0xe050},               // volume_up
    {"speaker.fill", 0xe04e},                      // volume_mute
    {"mic.fill", 0xe029},                          // mic
    {"waveform", 0xe1b8},                          // graphic_eq
    {"ear.fill", 0xe023},                          // hearing
    {"music.note", 0xe405},                        // music_note
    {"music.note.list", 0xe03d},                   // queue_music
    {"pianokeys", 0xe521},                         // piano
    // feedback and status
    {"checkmark", 0xe5ca},                         // check
    {"checkmark.circle.fill", 0xe86c},             // check_circle
    {"xmark", 0xe5cd},                             // close
    {"xmark.circle.fill", 0xe5c9},                 // cancel
    {"lightbulb.fill", 0xe0f0},                    // lightbulb
    {"star", 0xe83a},                              // star_border
    {"star.fill", 0xe838},                         // star
    {"heart.fill", 0xe87d},                        // favorite
    {"sparkles", 0xe65f},                          // auto_awesome
    {"wand.and.stars", 0xe663},                    // auto_fix_high
    {"bolt.fill", 0xea0b},                         // bolt
    {"lock.fill", 0xe897},                         // lock
    {"lock.open.fill", 0xe898},                    // lock_open
    {"hammer.fill", 0xea59},                       // hardware
    {"questionmark.circle.fill", 0xe887},          // help
    {"exclamationmark.bubble.fill", 0xe87f},       // feedback
    {"text.bubble.fill", 0xe0b7},                  // chat
    // time
    {"clock", 0xe8b5},                             // schedule
    {"clock.fill", 0xefd6},                        // access_time_filled
    {"timer", 0xe425},                             // timer
    {"hourglass", 0xea5c},                         // hourglass_bottom
    {"hourglass.circle.fill", 0xe3fa, 0xea5c},     // lens with hourglass_bottom cut in
    {"infinity", 0xeb3d},                          // all_inclusive
    // navigation and actions
    {"chevron.left", 0xe5cb},                      // chevron_left
    {"chevron.right", 0xe5cc},                     // chevron_right
    {"arrow.left", 0xe5c4},                        // arrow_back
    {"arrow.right", 0xe5c8},                       // arrow_forward
    {"arrow.up", 0xe5d8},                          // arrow_upward
    {"arrow.down", 0xe5db},                        // arrow_downward
    {"arrow.right.circle.fill", 0xeaaa},           // arrow_circle_right
    {"arrow.left.circle.fill", 0xeaa7},            // arrow_circle_left
    {"arrow.clockwise", 0xe5d5},                   // refresh
    {"arrow.counterclockwise", 0xe042},            // replay
    {"arrow.uturn.backward", 0xe166},              // undo
    {"arrow.triangle.turn.up.right.diamond.fill", 0xe52e}, // directions
    {"arrow.up.and.down.and.arrow.left.and.right", 0xe89f}, // open_with
    {"rotate.right.fill", 0xeaab},                 // rotate_90_degrees_cw
    {"shuffle", 0xe043},                           // shuffle
    {"play.fill", 0xe037},                         // play_arrow
    {"pause.fill", 0xe034},                        // pause
    {"stop.fill", 0xe047},                         // stop
    {"plus", 0xe145},                              // add
    {"plus.circle.fill", 0xe147},                  // add_circle
    {"trash.fill", 0xe872},                        // delete
    {"delete.left.fill", 0xe14a},                  // backspace
    {"house.fill", 0xe88a},                        // home
    {"magnifyingglass", 0xe8b6},                   // search
    {"binoculars.fill", 0xe2db},                   // travel_explore
    {"eye.fill", 0xe8f4},                          // visibility
    {"scope", 0xe1b3},                             // gps_fixed
    {"target", 0xe8e1},                            // track_changes
    {"location.fill", 0xe569},                     // near_me
    {"map.fill", 0xe55b},                          // map
    {"globe.asia.australia.fill", 0xe80b},         // public
    {"wifi.slash", 0xe648},                        // wifi_off
    // hands and people
    {"hand.tap.fill", 0xe913},                     // touch_app
    {"hand.draw.fill", 0xe746},                    // draw
    {"hand.raised.fill", 0xe925},                  // pan_tool
    {"figure.play", 0xe566},                       // directions_run
    {"shoeprints.fill", 0xe536},                   // directions_walk
    {"pawprint.fill", 0xe91d},                     // pets
    // drawing and making
    {"scribble", 0xe155},                          // gesture
    {"pencil.and.outline", 0xe3c9},                // edit
    {"paintbrush.pointed.fill", 0xe3ae},           // brush
    {"paintpalette.fill", 0xe40a},                 // palette
    {"tshirt.fill", 0xea58},                       // dry_cleaning
    {"cup.and.saucer.fill", 0xe541},               // local_cafe
    {"building.2.fill", 0xea40},                   // apartment
    {"puzzlepiece.fill", 0xe87b},                  // extension
    {"triangle.fill", 0xe86b},                     // change_history
    {"flask.fill", 0xea4b},                        // science
    // books, pictures and media
    {"book.fill", 0xe865},                         // book
    {"book.pages.fill", 0xe666},                   // auto_stories
    {"bookmark", 0xe867},                          // bookmark_border
    {"bookmark.fill", 0xe866},                     // bookmark
    {"character.book.closed.fill", 0xea19},        // menu_book
    {"character.book.closed.fill.zh", 0xe8e2},     // translate
    {"camera.fill", 0xe412},                       // photo_camera
    {"photo.fill", 0xe3f4},                        // image
    {"play.rectangle.fill", 0xf06a},               // smart_display
    {"play.rectangle.on.rectangle.fill", 0xe04a},  // video_library
    {"rectangle.on.rectangle.angled", 0xe41d},     // style
    {"gamecontroller.fill", 0xea28},               // sports_esports
    // grids and numbers
    {"square.grid.2x2.fill", 0xe9b0},              // grid_view
    {"square.grid.3x3.fill", 0xe5c3},              // apps
    {"circle.grid.3x3.fill", 0xe0bc},              // dialpad
    {"number.square.fill", 0xf045},                // pin
    // shopping and travel
    {"cart.fill", 0xe8cc},                         // shopping_cart
    {"basket.fill", 0xe8cb},                       // shopping_basket
    {"tram.fill", 0xe571},                         // tram
};

constexpr char32_t kFallback = 0xe7c8; // interests: a friendly shapes glyph

const QHash<QString, const Entry *> &index()
{
    static const QHash<QString, const Entry *> table = [] {
        QHash<QString, const Entry *> t;
        for (const Entry &e : kTable)
            t.insert(QString::fromLatin1(e.name), &e);
        return t;
    }();
    return table;
}

QString fromCodePoint(char32_t cp)
{
    return cp ? QString::fromUcs4(&cp, 1) : QString();
}

} // namespace

QString fontFamily()
{
    return QStringLiteral("Material Icons");
}

char32_t fallbackCodePoint()
{
    return kFallback;
}

char32_t codePoint(const QString &name)
{
    const Entry *e = index().value(name);
    return e ? e->codePoint : kFallback;
}

char32_t innerCodePoint(const QString &name)
{
    const Entry *e = index().value(name);
    return e ? e->inner : 0;
}

QString glyph(const QString &name)
{
    return fromCodePoint(codePoint(name));
}

QString innerGlyph(const QString &name)
{
    return fromCodePoint(innerCodePoint(name));
}

bool contains(const QString &name)
{
    return index().contains(name);
}

QStringList names()
{
    QStringList result;
    for (const Entry &e : kTable)
        result << QString::fromLatin1(e.name);
    return result;
}

} // namespace SystemSymbols
