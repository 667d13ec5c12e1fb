#pragma once

#include "RoundQuizGame.h"

#include <QStringList>
#include <QVariantList>

// One question of the radical builder: the components in display order and the
// character they build, with four candidates in display order.
struct RadicalQuestion
{
    QStringList parts;
    QString answer;
    QString pinyin;
    QString meaning;
    QString emoji;
    QStringList choices;

    static const QList<RadicalQuestion> &all();
};

// "radical-builder": the components of a character stand side by side; tap the
// character they build. Five rounds from a table of twenty.
class RadicalBuilderGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString emoji READ emoji NOTIFY questionChanged)
    Q_PROPERTY(QString meaningLine READ meaningLine NOTIFY questionChanged)
    Q_PROPERTY(QStringList parts READ parts NOTIFY questionChanged)
    Q_PROPERTY(QString prompt READ prompt NOTIFY questionChanged)
    Q_PROPERTY(QString counter READ counter NOTIFY questionChanged)
    // One entry a tile: {text, pinyin}.
    Q_PROPERTY(QVariantList tiles READ tiles NOTIFY questionChanged)
public:
    explicit RadicalBuilderGame(QObject *parent = nullptr);

    static constexpr auto gameID = "radical-builder";

    const RadicalQuestion &current() const;

    QString emoji() const { return current().emoji; }
    QString meaningLine() const;
    QStringList parts() const { return current().parts; }
    QString prompt() const;
    QString counter() const;
    QVariantList tiles() const;

    Q_INVOKABLE void choose(int tile);
    Q_INVOKABLE void speakChoice(int tile) const;

protected:
    int bankCount() const override { return int(RadicalQuestion::all().size()); }
};
