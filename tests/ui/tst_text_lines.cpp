// Short texts broken into lines for a narrow box, measured by a stand-in whose CJK
// characters and marks are 10 wide, Latin letters and digits 6 and spaces 3, so that
// every break is known ahead.
#include "TextLines.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

qreal advance(const QString &text)
{
    qreal width = 0;
    for (const QChar c : text)
        width += c.isSpace() ? 3 : (c.unicode() < 0x80 ? 6 : 10);
    return width;
}

QStringList wrapped(const QString &text, qreal width, int maxLines = 0)
{
    return TextLines::wrap(text, width, advance, maxLines);
}

} // namespace

class TestTextLines : public QObject
{
    Q_OBJECT
private slots:
    void breaksBetweenCharacters_data();
    void breaksBetweenCharacters();
    void lastLineNeverHoldsOneCharacterAlone_data();
    void lastLineNeverHoldsOneCharacterAlone();
    void wordsStayWhole();
    void longTextsEndInAnEllipsis();
};

// Lines are filled as far as they go; a closing mark stays with the character before
// it, also where that leaves a line short.
void TestTextLines::breaksBetweenCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("width");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("fits") << u"听音找到汉字"_s << 60.0 << QStringList{u"听音找到汉字"_s};
    QTest::newRow("empty") << u"  "_s << 60.0 << QStringList{};
    QTest::newRow("full lines") << u"偏旁部首变汉字"_s << 30.0 << QStringList{u"偏旁部"_s, u"首变"_s, u"汉字"_s};
    QTest::newRow("comma after a full line") << u"听一听，点一点"_s << 30.0
                                             << QStringList{u"听一"_s, u"听，点"_s, u"一点"_s};
    QTest::newRow("enumeration comma") << u"拖配料、摇奶茶"_s << 30.0
                                       << QStringList{u"拖配"_s, u"料、摇"_s, u"奶茶"_s};
    QTest::newRow("dash between numbers") << u"找 5–10 处"_s << 40.0 << QStringList{u"找 5–"_s, u"10 处"_s};
    QTest::newRow("space at a break dropped") << u"从 1 到 16，按顺序"_s << 50.0
                                              << QStringList{u"从 1 到"_s, u"16，按"_s, u"顺序"_s};
}

void TestTextLines::breaksBetweenCharacters()
{
    QFETCH(QString, text);
    QFETCH(qreal, width);
    QFETCH(QStringList, lines);
    QCOMPARE(wrapped(text, width), lines);
}

// A last line of one character, with or without its mark, takes the last character of
// the line before (with that one's mark); where the line before has only one, or the
// two would not fit, the lines stay as they are.
void TestTextLines::lastLineNeverHoldsOneCharacterAlone_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("width");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("with its question mark") << u"谁消失了？"_s << 30.0 << QStringList{u"谁消"_s, u"失了？"_s};
    QTest::newRow("without a mark") << u"听音高和节奏的小线索"_s << 90.0
                                    << QStringList{u"听音高和节奏的小"_s, u"线索"_s};
    QTest::newRow("a mark that would start the line") << u"下一张是什么？"_s << 60.0
                                                      << QStringList{u"下一张是"_s, u"什么？"_s};
    QTest::newRow("the one before with its comma") << u"算一算，找"_s << 40.0 << QStringList{u"算一"_s, u"算，找"_s};
    QTest::newRow("a lone digit") << u"排好 1 到 8"_s << 50.0 << QStringList{u"排好 1"_s, u"到 8"_s};
    QTest::newRow("fourth line") << u"听音高和节奏的小线索"_s << 30.0
                                 << QStringList{u"听音高"_s, u"和节奏"_s, u"的小"_s, u"线索"_s};
    QTest::newRow("two characters stay") << u"收集道具到达终点"_s << 60.0
                                         << QStringList{u"收集道具到达"_s, u"终点"_s};
    QTest::newRow("one per line") << u"谁了"_s << 10.0 << QStringList{u"谁"_s, u"了"_s};
    QTest::newRow("no room for two") << u"一二三？"_s << 20.0 << QStringList{u"一二"_s, u"三？"_s};
}

void TestTextLines::lastLineNeverHoldsOneCharacterAlone()
{
    QFETCH(QString, text);
    QFETCH(qreal, width);
    QFETCH(QStringList, lines);
    QCOMPARE(wrapped(text, width), lines);
}

// A word moves to the next line whole; one wider than a whole line is broken between
// its letters.
void TestTextLines::wordsStayWhole()
{
    QCOMPARE(wrapped(u"Simon Says"_s, 40), (QStringList{u"Simon"_s, u"Says"_s}));
    QCOMPARE(wrapped(u"听 Simon 说"_s, 50), (QStringList{u"听"_s, u"Simon 说"_s}));
    QCOMPARE(wrapped(u"Supercalifragilistic"_s, 36),
             (QStringList{u"Superc"_s, u"alifra"_s, u"gilist"_s, u"ic"_s}));
}

// A text that needs more lines than it may take is cut on its last line, which ends in
// an ellipsis; one that fits is never cut.
void TestTextLines::longTextsEndInAnEllipsis()
{
    QCOMPARE(wrapped(u"轻轻向左或向右翻页"_s, 30, 2), (QStringList{u"轻轻向"_s, u"左或…"_s}));
    QCOMPARE(wrapped(u"Simon Says it"_s, 35, 2), (QStringList{u"Simon"_s, u"Says…"_s}));
    QCOMPARE(wrapped(u"谁消失了？"_s, 30, 2), (QStringList{u"谁消"_s, u"失了？"_s}));
    QCOMPARE(wrapped(u"谁消失了？"_s, 30, 1), (QStringList{u"谁消…"_s}));
}

QTEST_GUILESS_MAIN(TestTextLines)
#include "tst_text_lines.moc"
