#pragma once

#include "RoundQuizGame.h"
#include "TileState.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

// One object of a silly scene: its picture and its Chinese name.
struct SceneObject
{
    QString emoji;
    QString name;
};

// One silly scene: its name, six objects (three a row), the one that does not belong,
// the sentence that explains why, and the two colours of the board's gradient.
struct SillySceneQuestion
{
    QString title;
    QList<SceneObject> items;
    int oddIndex = 0;
    QString explanation;
    QList<QColor> colors;

    static QList<SceneObject> objects(const QList<std::pair<QString, QString>> &pairs);
    // The ten scenes, built once.
    static const QList<SillySceneQuestion> &all();
};

// "silly-scene": a scene as six object tiles on a tinted board; tap the one that came to
// the wrong place. A right tap names it and explains why before the next scene.
class SillySceneGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString title READ title NOTIFY questionChanged)
    Q_PROPERTY(QString prompt READ prompt NOTIFY questionChanged)
    Q_PROPERTY(QString counter READ counter NOTIFY questionChanged)
    Q_PROPERTY(QStringList emojis READ emojis NOTIFY questionChanged)
    Q_PROPERTY(QStringList names READ names NOTIFY questionChanged)
    Q_PROPERTY(QList<QColor> boardColors READ boardColors NOTIFY questionChanged)
    Q_PROPERTY(QString explanation READ explanation NOTIFY questionChanged)
    Q_PROPERTY(int selectedIndex READ selectedIndex NOTIFY changed)
    // Each tile's look: right for the intruder once found, picked for the tile tapped last.
    Q_PROPERTY(QList<int> tileStates READ tileStates NOTIFY changed)
public:
    explicit SillySceneGame(QObject *parent = nullptr);

    static constexpr auto gameID = "silly-scene";
    static constexpr int pauseMs = 1150;

    const SillySceneQuestion &current() const;

    QString title() const { return current().title; }
    QString prompt() const;
    QString counter() const { return fiveRoundCounter(QStringLiteral("幅")); }
    QStringList emojis() const;
    QStringList names() const;
    QList<QColor> boardColors() const { return current().colors; }
    QString explanation() const { return current().explanation; }
    // The tile picked last on this scene, -1 for none.
    int selectedIndex() const { return m_selected.value_or(-1); }
    TileState::State tileState(int index) const;
    QList<int> tileStates() const;

    // The tapped tile, by its place on the board.
    Q_INVOKABLE void choose(int index);

protected:
    int bankCount() const override { return int(SillySceneQuestion::all().size()); }
    void roundStarted() override { m_selected.reset(); }

private:
    std::optional<int> m_selected;
};
