// Chinese pronunciation fetched from a real HTTP server on 127.0.0.1: what is asked,
// what is accepted, what is cached, and that only the newest request is ever heard.
#include "Clock.h"
#include "Patience.h"
#include "SpeechService.h"

#include <QElapsedTimer>

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>

namespace {

// A tiny HTTP server: each request's `text` query item picks a canned reply.
class PronunciationServer : public QObject
{
    Q_OBJECT
public:
    struct Reply
    {
        int status = 200;
        QByteArray contentType = "audio/mpeg";
        QByteArray body;
        int delayMs = 0;
        bool drop = false; // close the connection without an answer
        int claimedLength = -1; // a Content-Length other than the body's: the reply breaks off
    };

    PronunciationServer()
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
        });
    }

    QUrl endpoint() const { return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort())); }

    QHash<QString, Reply> replies;
    QList<QByteArray> targets; // request targets, in order of arrival
    QStringList texts;

private:
    void read(QTcpSocket *socket)
    {
        QByteArray &pending = m_pending[socket];
        pending += socket->readAll();
        if (!pending.contains("\r\n\r\n"))
            return;
        const QByteArray target = pending.split(' ').value(1);
        targets << target;
        const QString text = QUrlQuery(QUrl::fromEncoded(target).query()).queryItemValue("text", QUrl::FullyDecoded);
        texts << text;
        const Reply reply = replies.value(text);
        QTimer::singleShot(reply.delayMs, socket, [socket, reply] {
            if (!reply.drop) {
                QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) + " X\r\n";
                if (!reply.contentType.isEmpty())
                    head += "Content-Type: " + reply.contentType + "\r\n";
                const int length = reply.claimedLength >= 0 ? reply.claimedLength : int(reply.body.size());
                head += "Content-Length: " + QByteArray::number(length) + "\r\nConnection: close\r\n\r\n";
                socket->write(head + reply.body);
            }
            socket->disconnectFromHost();
        });
    }

    QTcpServer m_server;
    QHash<QTcpSocket *, QByteArray> m_pending;
};

// Stands in for the media player: records what would be heard; bytes that begin with
// "NOT AUDIO" fail to decode, as a real player reports it, after a moment.
class RecordingClipPlayer final : public ClipPlayer
{
public:
    void play(const QByteArray &bytes, double volume, std::function<void()> undecodable) override
    {
        ++generation;
        if (bytes.startsWith("NOT AUDIO")) {
            const int mine = generation;
            QTimer::singleShot(0, [this, mine, undecodable] {
                if (generation == mine)
                    undecodable();
            });
            return;
        }
        heard << bytes;
        volumes << volume;
    }
    void stop() override
    {
        ++generation;
        ++stops;
    }

    QList<QByteArray> heard;
    QList<double> volumes;
    int stops = 0;
    int generation = 0;
};

QByteArray audioBytes(int size, char fill = 'a')
{
    return QByteArray(size, fill);
}

} // namespace

class RemotePronunciationTest : public QObject
{
    Q_OBJECT

private:
    PronunciationServer *m_server = nullptr;
    RecordingClipPlayer *m_player = nullptr;
    QStringList m_local; // local utterances: "text|language|rate"

    SpeechService &speech() { return SpeechService::shared(); }

private slots:
    void init()
    {
        m_server = new PronunciationServer;
        m_player = new RecordingClipPlayer;
        m_local.clear();
        SpeechService::setRemoteEndpoint(m_server->endpoint());
        speech().setClipPlayer(m_player);
        connect(&speech(), &SpeechService::localUtterance, this,
                [this](const QString &text, const QString &language, float rate) {
                    m_local << QStringLiteral("%1|%2|%3").arg(text, language).arg(rate);
                });
    }

    void cleanup()
    {
        speech().stopRemotePronunciation();
        disconnect(&speech(), nullptr, this, nullptr);
        speech().setClipPlayer(nullptr);
        delete m_player;
        delete m_server;
    }

    void requestShape()
    {
        m_server->replies["1+1=2 & 猫"].body = audioBytes(1001);
        speech().speakChinesePronunciation("  1+1=2 & 猫\n");
        PW_TRY_COMPARE(m_player->heard.size(), 1);
        QCOMPARE(m_server->targets,
                 QList<QByteArray>{"/gettts?lan=zh&text=1%2B1%3D2%20%26%20%E7%8C%AB&spd=3&source=web"});
        QCOMPARE(SpeechService::pronunciationUrl("猫").toString(QUrl::FullyEncoded),
                 m_server->endpoint().toString() + "/gettts?lan=zh&text=%E7%8C%AB&spd=3&source=web");
        QVERIFY(SpeechService::pronunciationUrl("猫").toString().startsWith("http://127.0.0.1:"));
    }

    void acceptanceRule_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("1001 audio bytes") << 200 << QByteArray("audio/mpeg") << 1001 << true;
        QTest::newRow("1000 audio bytes") << 200 << QByteArray("audio/mpeg") << 1000 << false;
        QTest::newRow("audio with a parameter") << 200 << QByteArray("Audio/MPEG; charset=binary") << 5000 << true;
        QTest::newRow("audio whatever the status") << 404 << QByteArray("audio/wav") << 2000 << true;
        QTest::newRow("audio from a failing server") << 503 << QByteArray("audio/mpeg") << 2000 << true;
        QTest::newRow("text type") << 200 << QByteArray("text/html; charset=utf-8") << 5000 << false;
        QTest::newRow("no type") << 200 << QByteArray() << 5000 << false;
    }

    void acceptanceRule()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, contentType);
        QFETCH(int, size);
        QFETCH(bool, accepted);
        const QString word = QString::fromUtf8(QTest::currentDataTag());
        m_server->replies[word] = {status, contentType, audioBytes(size), 0, false};
        QSignalSpy finished(&speech(), &SpeechService::localUtterance);
        QSignalSpy played(&speech(), &SpeechService::remoteClipStarted);
        speech().speakChinesePronunciation(word);
        PW_TRY_COMPARE(finished.size() + played.size(), 1);
        if (accepted) {
            QCOMPARE(m_player->heard, QList<QByteArray>{audioBytes(size)});
            QCOMPARE(m_player->volumes, QList<double>{1.0});
            QVERIFY(m_local.isEmpty());
        } else {
            QVERIFY(m_player->heard.isEmpty());
            QCOMPARE(m_local, QStringList{word + "|zh-CN|0.32"});
        }
        // Only an accepted reply is remembered.
        speech().speakChinesePronunciation(word);
        QTest::qWait(accepted ? 50 : 0);
        PW_TRY_COMPARE(finished.size() + played.size(), 2);
        QCOMPARE(m_server->targets.size(), accepted ? 1 : 2);
    }

    void cacheHitMakesNoRequest()
    {
        m_server->replies["香蕉"].body = audioBytes(3000, 'b');
        speech().speakChinesePronunciation("香蕉");
        PW_TRY_COMPARE(m_player->heard.size(), 1);
        speech().speakChinesePronunciation(" 香蕉 ", QStringLiteral("xiang jiao"));
        QCOMPARE(m_player->heard.size(), 2); // at once, from memory
        QCOMPARE(m_player->heard.last(), audioBytes(3000, 'b'));
        QTest::qWait(100);
        QCOMPARE(m_server->targets.size(), 1);
    }

    // The clips kept have a budget: past it the least recently heard goes and is fetched
    // again, while the newest are still played from memory.
    void cacheKeepsTheNewestWithinItsBudget()
    {
        const int third = int(SpeechService::pronunciationCacheBytes / 3);
        const QStringList words{"甲", "乙", "丙", "丁"};
        for (const QString &word : words) {
            m_server->replies[word].body = audioBytes(third);
            speech().speakChinesePronunciation(word);
            PW_TRY_COMPARE(m_player->heard.size(), int(words.indexOf(word)) + 1);
        }
        speech().speakChinesePronunciation("丁");
        QCOMPARE(m_server->targets.size(), 4);
        speech().speakChinesePronunciation("甲");
        PW_TRY_COMPARE(m_server->targets.size(), 5);
    }

    void networkErrorFallsBack()
    {
        m_server->replies["西瓜"].drop = true;
        speech().speakChinesePronunciation("西瓜", QStringLiteral(" 大西瓜 "));
        PW_TRY_COMPARE(m_local.size(), 1);
        QCOMPARE(m_local, QStringList{" 大西瓜 |zh-CN|0.32"}); // the fallback text as given
        QVERIFY(m_player->heard.isEmpty());
    }

    // An audio reply that breaks off before its announced length is a failed transfer,
    // not a clip: it is neither played nor kept.
    void brokenOffReplyFallsBack()
    {
        PronunciationServer::Reply cut;
        cut.body = audioBytes(3000);
        cut.claimedLength = 8000;
        m_server->replies["橙子"] = cut;
        speech().speakChinesePronunciation("橙子");
        PW_TRY_COMPARE(m_local, QStringList{"橙子|zh-CN|0.32"});
        QVERIFY(m_player->heard.isEmpty());
        speech().speakChinesePronunciation("橙子");
        PW_TRY_COMPARE(m_server->targets.size(), 2);
    }

    void undecodableBytesFallBack()
    {
        m_server->replies["葡萄"].body = "NOT AUDIO" + audioBytes(2000);
        speech().speakChinesePronunciation("葡萄");
        PW_TRY_COMPARE(m_local, QStringList{"葡萄|zh-CN|0.32"});
        QVERIFY(m_player->heard.isEmpty());
        // Bytes that could not be played are not kept: the next time asks again.
        speech().speakChinesePronunciation("葡萄");
        PW_TRY_COMPARE(m_server->targets.size(), 2);
    }

    void onlyTheNewestRequestIsHeard()
    {
        m_server->replies["一"] = {200, "audio/mpeg", audioBytes(2000, '1'), 400, false};
        m_server->replies["二"] = {200, "audio/mpeg", audioBytes(2000, '2'), 0, false};
        speech().speakChinesePronunciation("一");
        PW_TRY_COMPARE(m_server->targets.size(), 1); // the first request is out
        speech().speakChinesePronunciation("二");
        PW_TRY_COMPARE(m_player->heard.size(), 1);
        QCOMPARE(m_player->heard.first(), audioBytes(2000, '2'));
        QTest::qWait(600); // past the first reply's delay
        QCOMPARE(m_player->heard.size(), 1);
        QVERIFY(m_local.isEmpty()); // the superseded request never falls back
    }

    void supersededFailureStaysSilent()
    {
        m_server->replies["三"] = {200, "", {}, 300, true};
        speech().speakChinesePronunciation("三");
        PW_TRY_COMPARE(m_server->targets.size(), 1);
        speech().stopRemotePronunciation();
        QTest::qWait(500);
        QVERIFY(m_local.isEmpty());
        QVERIFY(m_player->heard.isEmpty());
    }

    void speechStopsTheClip()
    {
        m_server->replies["四"].body = audioBytes(2000);
        speech().speakChinesePronunciation("四");
        PW_TRY_COMPARE(m_player->heard.size(), 1);
        const int stops = m_player->stops;
        speech().speak("Next", "en-US", 0.36f);
        QCOMPARE(m_player->stops, stops + 1);
    }

    void blankTextDoesNothing()
    {
        QSignalSpy stopped(&speech().channel(), &SoundChannel::stopped);
        speech().speakChinesePronunciation(" \n\t ");
        QTest::qWait(50);
        QCOMPARE(stopped.size(), 0); // the current speech goes on
        QVERIFY(m_server->targets.isEmpty());
        QVERIFY(m_local.isEmpty());
    }

    // A service that cannot be had: one that refuses is a network failure at once; one
    // that takes the connection and never answers fails once it has been silent for the
    // limit, unless the request was stopped or replaced meanwhile.
    void unreachableServiceFallsBack()
    {
        QTcpServer refusing;
        refusing.listen(QHostAddress::LocalHost);
        SpeechService::setRemoteEndpoint(QUrl(QStringLiteral("http://127.0.0.1:%1").arg(refusing.serverPort())));
        refusing.close();
        QElapsedTimer waited;
        waited.start();
        speech().speakChinesePronunciation("桃子");
        PW_TRY_COMPARE(m_local, QStringList{"桃子|zh-CN|0.32"});
        QVERIFY2(waited.elapsed() < 1000, qPrintable(QString::number(waited.elapsed())));

        ManualClock clock;
        Clock::setCurrent(&clock);
        const auto restore = qScopeGuard([] { Clock::setCurrent(nullptr); });
        QTcpServer silent;
        silent.listen(QHostAddress::LocalHost);
        SpeechService::setRemoteEndpoint(QUrl(QStringLiteral("http://127.0.0.1:%1").arg(silent.serverPort())));
        speech().speakChinesePronunciation("李子");
        PW_TRY_VERIFY(silent.hasPendingConnections());
        clock.advance(SpeechService::remoteSilenceLimitMs - 1);
        QCOMPARE(m_local.size(), 1);
        clock.advance(1);
        QCOMPARE(m_local.last(), QStringLiteral("李子|zh-CN|0.32"));

        speech().speakChinesePronunciation("杏子");
        speech().stopRemotePronunciation();
        clock.advance(SpeechService::remoteSilenceLimitMs);
        QCOMPARE(m_local.size(), 2);
    }

    void noAddressFallsBack()
    {
        SpeechService::setRemoteEndpoint(QUrl("https://"));
        speech().speakChinesePronunciation("五", QStringLiteral("wu"));
        QCOMPARE(m_local, QStringList{"wu|zh-CN|0.32"});
    }
};

QTEST_GUILESS_MAIN(RemotePronunciationTest)
#include "tst_remote_pronunciation.moc"
