#include "SeededRandom.h"

#include <QTest>

class SeededRandomTest : public QObject
{
    Q_OBJECT
private slots:
    void lcgAdvancesThenReturnsTheNewState()
    {
        Lcg64 lcg(0);
        QCOMPARE(lcg.next(), 0x14057B7EF767814FULL); // 0 * a + c
        QCOMPARE(lcg.next(), 0x1A08EE1184BA6D32ULL);
        QCOMPARE(lcg.next(), 0x9AF678222E728119ULL);
        QCOMPARE(lcg.state(), 0x9AF678222E728119ULL);

        // Wrapping multiplication from a large seed.
        Lcg64 big(42);
        QCOMPARE(big.next(), 10481999410520546993ULL);
        QCOMPARE(big.next(), 4159066171780167020ULL);
    }

    void splitMixMatchesThePublishedSequence()
    {
        SplitMix64 zero(0);
        QCOMPARE(zero.next(), 0xE220A8397B1DCDAFULL);

        // The reference implementation's sequence from 1234567.
        SplitMix64 mix(1234567);
        const quint64 expected[] = {6457827717110365317ULL, 3203168211198807973ULL, 9817491932198370423ULL,
                                    4593380528125082431ULL, 16408922859458223821ULL};
        for (quint64 value : expected)
            QCOMPARE(mix.next(), value);
    }

    void splitMixDrawsOfTheGeneratedLevels()
    {
        // The first two draws of a picture level: template (mod 10) and 5 + (mod 6).
        SplitMix64 one(SplitMix64::nonZero(1));
        QCOMPARE(one.next() % 10, 5ULL);
        QCOMPARE(5 + one.next() % 6, 6ULL);
        SplitMix64 answer(SplitMix64::nonZero(42));
        QCOMPARE(answer.next() % 10, 3ULL);
        QCOMPARE(5 + answer.next() % 6, 6ULL);

        // Seed 0 is replaced, and then runs exactly as the replacement does.
        SplitMix64 a(SplitMix64::nonZero(0)), b(SplitMix64::gamma);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(a.next(), b.next());
    }

    void sameSeedSameSequence()
    {
        Lcg64 a(7), b(7);
        SplitMix64 c(7), d(7);
        for (int i = 0; i < 100; ++i) {
            QCOMPARE(a.next(), b.next());
            QCOMPARE(c.next(), d.next());
        }
    }
};

QTEST_APPLESS_MAIN(SeededRandomTest)
#include "tst_seeded_random.moc"
