#pragma once

#include "RoundQuizGame.h"
#include "TileState.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The four inks of the colour trap, in the order of the choice row.
enum class ColorTrapHue { red, blue, green, purple };

namespace ColorTrapHues {
// The four hues in their order.
const QList<ColorTrapHue> &allCases();
// "red", "blue", "green", "purple".
QString rawValue(ColorTrapHue hue);
// The hue of a raw value; none for any other text.
std::optional<ColorTrapHue> fromRawValue(const QString &raw);
// The hue's word ("红色" …) and its ink (the theme's accent colours).
QString name(ColorTrapHue hue);
QColor color(ColorTrapHue hue);
} // namespace ColorTrapHues

// One card: a colour word and the ink it is drawn in (the right answer).
struct ColorTrapQuestion
{
    QString word;
    ColorTrapHue ink;

    // The twelve cards, built once.
    static const QList<ColorTrapQuestion> &all();
};

// "color-trap": a colour word printed in another colour's ink; tap the colour of the
// ink, not the colour the word names.
class ColorTrapGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString counter READ counter NOTIFY questionChanged)
    Q_PROPERTY(QString word READ word NOTIFY questionChanged)
    Q_PROPERTY(QColor ink READ ink NOTIFY questionChanged)
    // The choice row, always the four hues in order: their words and their colours.
    Q_PROPERTY(QStringList hueNames READ hueNames CONSTANT)
    Q_PROPERTY(QList<QColor> hueColors READ hueColors CONSTANT)
    // The place of the hue picked last on this card, -1 for none.
    Q_PROPERTY(int selectedIndex READ selectedIndex NOTIFY changed)
    // Each button's look: right for the ink once found, picked for the last wrong pick.
    Q_PROPERTY(QList<int> tileStates READ tileStates NOTIFY changed)
    // The place of the ink among the four buttons.
    Q_PROPERTY(int inkIndex READ inkIndex NOTIFY questionChanged)
public:
    explicit ColorTrapGame(QObject *parent = nullptr);

    static constexpr auto gameID = "color-trap";
    static constexpr int pauseMs = 680;

    const ColorTrapQuestion &current() const;

    QString counter() const { return fiveRoundCounter(QStringLiteral("题")); }
    QString word() const { return current().word; }
    QColor ink() const { return ColorTrapHues::color(current().ink); }
    QStringList hueNames() const;
    QList<QColor> hueColors() const;
    int selectedIndex() const;
    std::optional<ColorTrapHue> selected() const { return m_selected; }
    int inkIndex() const { return int(ColorTrapHues::allCases().indexOf(current().ink)); }
    TileState::State tileState(ColorTrapHue hue) const;
    QList<int> tileStates() const;

    void choose(ColorTrapHue hue);
    // The tapped button, by its place in the row.
    Q_INVOKABLE void choose(int index);

protected:
    int bankCount() const override { return int(ColorTrapQuestion::all().size()); }
    void roundStarted() override { m_selected.reset(); }

private:
    std::optional<ColorTrapHue> m_selected;
};
