#include "DrawGuessGame.h"

#include "AppTheme.h"
#include "Random.h"
#include "SpeechService.h"

using namespace Qt::StringLiterals;

const QList<DrawingPrompt> &DrawingPrompt::samples()
{
    static const QList<DrawingPrompt> table = {
        {u"elephant"_s, u"大象"_s, u"🐘"_s, u"嗯……它是不是有一条长鼻子？"_s},
        {u"apple"_s, u"苹果"_s, u"🍎"_s, u"看起来圆圆的，上面有叶子吗？"_s},
        {u"fish"_s, u"小鱼"_s, u"🐟"_s, u"它会不会住在水里？"_s},
        {u"house"_s, u"房子"_s, u"🏠"_s, u"我好像看到屋顶了！"_s},
        {u"sun"_s, u"太阳"_s, u"\u2600\uFE0F"_s, u"它是不是会发出光芒？"_s},
    };
    return table;
}

namespace {
void sayInEnglish(const QString &text)
{
    SpeechService::shared().speak(text, u"en-US"_s, 0.38f);
}
} // namespace

DrawGuessGame::DrawGuessGame(QObject *parent)
    : GameBase(parent)
    , m_strokes(new DrawingStrokes(this))
    , m_selectedColor(AppTheme::ink())
{
    line().show(u"先画出大大的轮廓吧！"_s, false);
    connect(&line(), &FeedbackLine::changed, this, &DrawGuessGame::changed);
}

DrawGuessGame::~DrawGuessGame()
{
    // The answer was given and the page goes before the report: the report still
    // comes when its wait ends, with the strokes the board held when the page went.
    if (m_reportWait && Clock::current().isPending(m_reportWait)) {
        Clock::current().cancel(m_reportWait);
        const int n = m_strokes->count();
        const qint64 left = qMax<qint64>(0, m_reportDueMs - Clock::current().elapsedMs());
        completeAfter(int(left), scoreFor(n), starsFor(n));
    }
}

QString DrawGuessGame::capitalized(const QString &words)
{
    QString result = words;
    bool wordStart = true;
    for (QChar &c : result) {
        if (c.isSpace()) {
            wordStart = true;
        } else {
            if (wordStart)
                c = c.toUpper();
            wordStart = false;
        }
    }
    return result;
}

QString DrawGuessGame::title() const
{
    return u"请画："_s + prompt().chinese;
}

void DrawGuessGame::appear()
{
    m_prompt = Random::shared().below(int(DrawingPrompt::samples().size()));
    emit changed();
    speakPrompt();
}

void DrawGuessGame::speakPrompt()
{
    // Always "a", before a vowel too.
    sayInEnglish(u"Draw a "_s + prompt().english);
}

void DrawGuessGame::selectColor(int paletteIndex)
{
    const QList<QColor> colors = palette();
    if (paletteIndex < 0 || paletteIndex >= colors.size())
        return;
    m_selectedColor = colors.at(paletteIndex);
    emit changed();
}

void DrawGuessGame::undo()
{
    m_strokes->removeLast();
}

void DrawGuessGame::clear()
{
    m_strokes->clear();
}

void DrawGuessGame::makeGuess()
{
    if (m_guessed)
        return; // the answer is given; the button is disabled and a press starts nothing
    if (m_strokes->count() < 2) {
        line().show(u"再多画几笔，我就能猜啦！"_s, false);
        return;
    }
    ++m_guessCount;
    if (m_guessCount == 1) {
        line().show(prompt().hint, false);
        return;
    }
    m_guessed = true;
    line().show(u"我知道了，是"_s + prompt().chinese + u"！"_s + prompt().emoji, true);
    sayInEnglish(u"It is a "_s + prompt().english + u"! Great drawing!"_s);
    m_reportDueMs = Clock::current().elapsedMs() + reportDelayMs;
    m_reportWait = Clock::current().after(reportDelayMs, this, [this] { report(); });
}

void DrawGuessGame::report()
{
    m_reportWait = 0;
    const int n = m_strokes->count();
    complete(scoreFor(n), starsFor(n));
}
