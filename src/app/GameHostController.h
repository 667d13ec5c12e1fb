#pragma once

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QUuid>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include <memory>

#include "EntertainmentTimeController.h"
#include "GameCatalog.h"
#include "ProgressStore.h"

class Clock;
class GameHostController;

// One play of a game on the host page. The game's completion callback holds this
// (shared) and the application's progress store, never the page: a report that comes
// after the child left the page is still recorded, once, with this play's game and
// start time.
struct GamePlay
{
    QUuid id;
    GameDefinition game;
    QDateTime startedAt;
    bool reported = false;
    QPointer<GameHostController> host;
};

// The game host page's state: which game view to build, the current play, its result,
// and the completion card's texts. While the lock, or the setup it leads to, covers the
// playground (the controller's coversPlay), the game stands still: its view and game are
// held on the clock (their ticks, pauses and the report due stop, and run on once the
// parent has confirmed a new session), and the time held is not part of the play.
class GameHostController : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString gameId READ gameId WRITE setGameId NOTIFY gameChanged)
    Q_PROPERTY(QString title READ title NOTIFY gameChanged)
    Q_PROPERTY(QUrl viewUrl READ viewUrl NOTIFY gameChanged)
    Q_PROPERTY(QVariantMap viewProperties READ viewProperties NOTIFY gameChanged)
    Q_PROPERTY(bool underConstruction READ underConstruction NOTIFY gameChanged)
    Q_PROPERTY(QString playId READ playId NOTIFY playIdChanged)
    Q_PROPERTY(bool hasResult READ hasResult NOTIFY resultChanged)
    Q_PROPERTY(qint64 resultScore READ resultScore NOTIFY resultChanged)
    Q_PROPERTY(qint64 resultStars READ resultStars NOTIFY resultChanged)
    Q_PROPERTY(QString resultEmoji READ resultEmoji NOTIFY resultChanged)
    Q_PROPERTY(QString resultHeadline READ resultHeadline NOTIFY resultChanged)
    Q_PROPERTY(QString resultScoreLine READ resultScoreLine NOTIFY resultChanged)
    Q_PROPERTY(EntertainmentTimeController *timeController READ timeController WRITE setTimeController NOTIFY
                   timeControllerChanged)

public:
    explicit GameHostController(QObject *parent = nullptr);
    // Uses the application's progress store unless told otherwise.
    GameHostController(ProgressStore &store, QObject *parent = nullptr);
    // The page goes: what its game held is released soon after.
    ~GameHostController() override;

    QString gameId() const { return m_game.id; }
    // Chooses the game (its catalogue entry; an unlisted identifier plays under its own
    // name) and starts its first play.
    void setGameId(const QString &id);
    QString title() const { return m_game.title; }
    QUrl viewUrl() const { return m_viewUrl; }
    QVariantMap viewProperties() const { return m_viewProperties; }
    bool underConstruction() const { return m_viewUrl.isEmpty(); }
    QString playId() const;

    bool hasResult() const { return m_hasResult; }
    qint64 resultScore() const { return m_score; }
    qint64 resultStars() const { return m_stars; }
    QString resultEmoji() const;
    QString resultHeadline() const;
    QString resultScoreLine() const;

    EntertainmentTimeController *timeController() const { return m_timeController; }
    void setTimeController(EntertainmentTimeController *controller);
    // Whether the game on the page stands still under the lock or its setup.
    bool isHolding() const { return m_holdClock != nullptr; }

    // The page came into view: the current play starts now.
    Q_INVOKABLE void pageAppeared();
    // A game view was built for the current play: hands its game object the play's
    // completion callback. The view's root item holds the game in its `game` property.
    Q_INVOKABLE void attachView(QObject *viewItem);
    // "下一关": a new play of the same game.
    Q_INVOKABLE void nextLevel();
    // The report of the current play, as its game's completion callback makes it.
    Q_INVOKABLE void finish(qint64 score, qint64 stars);

    // The completion callback of the current play.
    std::function<void(qint64, qint64)> completionForCurrentPlay() const;
    const std::shared_ptr<GamePlay> &currentPlay() const { return m_play; }

signals:
    void gameChanged();
    void playIdChanged();
    void resultChanged();
    void timeControllerChanged();

private:
    // Holds or releases the game as the controller covers play or not.
    void followCover();
    void holdView();
    static void report(const std::shared_ptr<GamePlay> &play, const QPointer<ProgressStore> &store, qint64 score,
                       qint64 stars);
    void startPlay();
    void showResult(const CreditedPlay &credited);

    QPointer<ProgressStore> m_store;
    GameDefinition m_game;
    QUrl m_viewUrl;
    QVariantMap m_viewProperties;
    std::shared_ptr<GamePlay> m_play;
    bool m_hasResult = false;
    bool m_holdsWebView = false; // the game's view holds a web view
    qint64 m_score = 0;
    qint64 m_stars = 0;
    qint64 m_coins = 0;
    QPointer<EntertainmentTimeController> m_timeController;
    // The view and the game attached last, and while holding, the clock they are held
    // on and what is held there.
    QPointer<QObject> m_view;
    QPointer<QObject> m_gameObject;
    QPointer<Clock> m_holdClock;
    QList<QPointer<const QObject>> m_held;
    qint64 m_heldSinceMs = 0;
};
