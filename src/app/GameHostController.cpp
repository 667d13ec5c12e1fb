#include "GameHostController.h"

#include "Clock.h"
#include "EntertainmentTimeController.h"
#include "GameBase.h"
#include "GameDispatch.h"
#include "GameView.h"
#include "PipwhistleApp.h"
#include "ProgressStore.h"
#include "WebViewSetup.h"

#include <utility>

GameHostController::GameHostController(QObject *parent)
    : GameHostController(PipwhistleApp::current().progress(), parent)
{
}

GameHostController::GameHostController(ProgressStore &store, QObject *parent)
    : QObject(parent)
    , m_store(&store)
{
}

GameHostController::~GameHostController()
{
    // What is left of the page runs on (a report due goes out).
    m_timeController = nullptr;
    followCover();
    PipwhistleApp::current().screenLeft();
    if (m_holdsWebView)
        WebViewSetup::webViewPageClosed();
}

void GameHostController::setTimeController(EntertainmentTimeController *controller)
{
    if (m_timeController == controller)
        return;
    if (m_timeController)
        disconnect(m_timeController, nullptr, this, nullptr);
    m_timeController = controller;
    if (controller)
        connect(controller, &EntertainmentTimeController::coversPlayChanged, this, &GameHostController::followCover);
    followCover();
    emit timeControllerChanged();
}

void GameHostController::followCover()
{
    const bool covered = m_timeController && m_timeController->coversPlay();
    if (covered && !m_holdClock) {
        m_holdClock = &Clock::current();
        m_heldSinceMs = m_holdClock->elapsedMs();
        holdView();
    } else if (!covered && m_holdClock) {
        const qint64 heldMs = m_holdClock->elapsedMs() - m_heldSinceMs;
        for (const QPointer<const QObject> &scope : std::exchange(m_held, {})) {
            if (scope)
                m_holdClock->release(scope);
        }
        m_holdClock = nullptr;
        // The play goes on from where it stood.
        if (m_play)
            m_play->startedAt = m_play->startedAt.addMSecs(heldMs);
    }
}

void GameHostController::holdView()
{
    // The game lies beneath its view; a game made apart from it is held on its own.
    for (QObject *scope : {m_view.data(), m_gameObject.data()}) {
        if (scope && !m_holdClock->isHeld(scope)) {
            m_holdClock->hold(scope);
            m_held.append(scope);
        }
    }
}

void GameHostController::setGameId(const QString &id)
{
    if (m_play && m_game.id == id)
        return;
    if (const GameDefinition *listed = GameCatalog::find(id)) {
        m_game = *listed;
    } else {
        m_game = GameDefinition();
        m_game.id = id;
        m_game.title = id;
    }
    const std::optional<GameDispatch::View> view = GameDispatch::viewFor(id);
    if (view) {
        m_viewUrl = view->url;
        m_viewProperties = view->properties;
    } else {
        m_viewUrl.clear();
        m_viewProperties.clear();
    }
    const bool webView = view && view->webView;
    if (webView != m_holdsWebView) {
        m_holdsWebView = webView;
        webView ? WebViewSetup::webViewPageOpened() : WebViewSetup::webViewPageClosed();
    }
    emit gameChanged();
    startPlay();
}

QString GameHostController::playId() const
{
    return m_play ? m_play->id.toString(QUuid::WithoutBraces) : QString();
}

QString GameHostController::resultEmoji() const
{
    return m_stars == 3 ? QStringLiteral("🎉") : QStringLiteral("🌟");
}

QString GameHostController::resultHeadline() const
{
    return m_stars == 3 ? QStringLiteral("太棒啦！") : QStringLiteral("游戏完成！");
}

QString GameHostController::resultScoreLine() const
{
    return QStringLiteral("得分 %1 · 获得 %2 金币").arg(m_score).arg(m_coins);
}

void GameHostController::startPlay()
{
    auto play = std::make_shared<GamePlay>();
    play->id = QUuid::createUuid();
    play->game = m_game;
    play->startedAt = Clock::current().now();
    play->host = this;
    m_play = std::move(play);
    emit playIdChanged();
}

void GameHostController::pageAppeared()
{
    if (m_play)
        m_play->startedAt = Clock::current().now();
}

std::function<void(qint64, qint64)> GameHostController::completionForCurrentPlay() const
{
    return [play = m_play, store = m_store](qint64 score, qint64 stars) { report(play, store, score, stars); };
}

void GameHostController::attachView(QObject *viewItem)
{
    if (!viewItem || !m_play)
        return;
    // Every game view stands on GameView, which holds its game.
    auto *view = qobject_cast<GameView *>(viewItem);
    if (!view) {
        qWarning("GameHostController: the view of %s is not a GameView; its plays cannot be recorded",
                 qPrintable(m_play->game.id));
        return;
    }
    m_view = view;
    m_gameObject = view->game();
    if (GameBase *game = view->game())
        game->setOnComplete(completionForCurrentPlay());
    if (m_holdClock)
        holdView();
}

void GameHostController::report(const std::shared_ptr<GamePlay> &play, const QPointer<ProgressStore> &store,
                                qint64 score, qint64 stars)
{
    // A play is reported once: the first report counts.
    if (!play || play->reported)
        return;
    play->reported = true;
    const qint64 ms = play->startedAt.msecsTo(Clock::current().now());
    const qint64 seconds = std::max<qint64>(ms / 1000, 1);
    if (store)
        store->finish(play->game, score, stars, seconds);
    if (play->host && play->host->m_play == play)
        play->host->showResult(ProgressStore::credit(score, stars));
}

void GameHostController::showResult(const CreditedPlay &credited)
{
    // The card tells what the record holds and what was paid, never more.
    m_hasResult = true;
    m_score = credited.score;
    m_stars = credited.stars;
    m_coins = credited.coins;
    emit resultChanged();
}

void GameHostController::finish(qint64 score, qint64 stars)
{
    report(m_play, m_store, score, stars);
}

void GameHostController::nextLevel()
{
    // Only a finished play has the button; a second tap finds nothing to do.
    if (!m_hasResult)
        return;
    m_hasResult = false;
    emit resultChanged();
    startPlay();
    // The finished play's view has gone with it.
    PipwhistleApp::current().screenLeft();
}
