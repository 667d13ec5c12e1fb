#pragma once

#include "RoundQuizGame.h"
#include "TileState.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

// One tangram outline: the animal's name and picture, the clue, the named pieces of the
// outline left to right, the empty slot, and the three pieces offered.
struct TangramPuzzle
{
    QString name;
    QString animal;
    QString clue;
    QStringList pieces;
    int missingIndex = 0;
    QStringList choices;

    // The piece that fills the empty slot.
    QString answer() const { return pieces.value(missingIndex); }

    // The eight outlines, built once.
    static const QList<TangramPuzzle> &all();
};

// "tangram": an animal's outline as a row of named tangram pieces with one slot empty;
// pick, from three pieces, the one that fills it.
class TangramGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString name READ name NOTIFY questionChanged)
    Q_PROPERTY(QString animal READ animal NOTIFY questionChanged)
    Q_PROPERTY(QString clue READ clue NOTIFY questionChanged)
    Q_PROPERTY(QString counter READ counter NOTIFY questionChanged)
    Q_PROPERTY(QStringList choices READ choices NOTIFY questionChanged)
    Q_PROPERTY(QString answer READ answer NOTIFY questionChanged)
    Q_PROPERTY(QStringList choiceGlyphs READ choiceGlyphs NOTIFY questionChanged)
    Q_PROPERTY(QList<QColor> choicePieceColors READ choicePieceColors NOTIFY questionChanged)
    // The slots of the outline as drawn: the hole while the round is open, else the piece.
    Q_PROPERTY(QVariantList pieceSlots READ pieceSlots NOTIFY changed)
    Q_PROPERTY(QString selected READ selected NOTIFY changed)
    // Each choice's look: right for the answer once placed, picked for the last wrong pick.
    Q_PROPERTY(QList<int> tileStates READ tileStates NOTIFY changed)
public:
    explicit TangramGame(QObject *parent = nullptr);

    static constexpr auto gameID = "tangram";
    static constexpr int pauseMs = 680;

    // A piece's glyph and colour by its name; any other name is drawn as the
    // parallelogram.
    static QString glyph(const QString &piece);
    static QColor color(const QString &piece);

    const TangramPuzzle &current() const;

    QString name() const { return current().name; }
    QString animal() const { return current().animal; }
    QString clue() const { return current().clue; }
    QString counter() const { return fiveRoundCounter(QStringLiteral("图")); }
    QStringList choices() const { return current().choices; }
    QString answer() const { return current().answer(); }
    QStringList choiceGlyphs() const;
    QList<QColor> choicePieceColors() const;
    QVariantList pieceSlots() const;
    QString selected() const { return picked(); }
    QList<int> tileStates() const;

    // The tapped piece, by its place in the row.
    Q_INVOKABLE void choose(int index);

protected:
    int bankCount() const override { return int(TangramPuzzle::all().size()); }
};
