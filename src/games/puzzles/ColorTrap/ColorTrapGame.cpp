#include "ColorTrapGame.h"

#include "AppTheme.h"

using namespace Qt::StringLiterals;

namespace {
const QString startLine = u"不要读文字，要看文字的颜色"_s;
} // namespace

namespace ColorTrapHues {

const QList<ColorTrapHue> &allCases()
{
    static const QList<ColorTrapHue> hues{ColorTrapHue::red, ColorTrapHue::blue, ColorTrapHue::green,
                                          ColorTrapHue::purple};
    return hues;
}

QString rawValue(ColorTrapHue hue)
{
    switch (hue) {
    case ColorTrapHue::red: return u"red"_s;
    case ColorTrapHue::blue: return u"blue"_s;
    case ColorTrapHue::green: return u"green"_s;
    case ColorTrapHue::purple: return u"purple"_s;
    }
    return {};
}

std::optional<ColorTrapHue> fromRawValue(const QString &raw)
{
    for (ColorTrapHue hue : allCases()) {
        if (rawValue(hue) == raw)
            return hue;
    }
    return std::nullopt;
}

QString name(ColorTrapHue hue)
{
    switch (hue) {
    case ColorTrapHue::red: return u"红色"_s;
    case ColorTrapHue::blue: return u"蓝色"_s;
    case ColorTrapHue::green: return u"绿色"_s;
    case ColorTrapHue::purple: return u"紫色"_s;
    }
    return {};
}

QColor color(ColorTrapHue hue)
{
    switch (hue) {
    case ColorTrapHue::red: return AppTheme::coral();
    case ColorTrapHue::blue: return AppTheme::sky();
    case ColorTrapHue::green: return AppTheme::mint();
    case ColorTrapHue::purple: return AppTheme::purple();
    }
    return {};
}

} // namespace ColorTrapHues

const QList<ColorTrapQuestion> &ColorTrapQuestion::all()
{
    using enum ColorTrapHue;
    static const QList<ColorTrapQuestion> cards{
        {u"红色"_s, blue}, {u"蓝色"_s, green}, {u"绿色"_s, purple}, {u"紫色"_s, red},
        {u"红色"_s, green}, {u"蓝色"_s, purple}, {u"绿色"_s, red}, {u"紫色"_s, blue},
        {u"蓝色"_s, red}, {u"红色"_s, purple}, {u"紫色"_s, green}, {u"绿色"_s, blue},
    };
    return cards;
}

ColorTrapGame::ColorTrapGame(QObject *parent)
    : RoundQuizGame({.gameID = QString::fromLatin1(gameID),
                     .take = 5,
                     .pauseMs = pauseMs,
                     .guard = Guard::EmptySession,
                     .startFeedback = startLine,
                     .goodWords = {u"看"_s, u"找对"_s}},
                    parent)
{
}

const ColorTrapQuestion &ColorTrapGame::current() const
{
    return ColorTrapQuestion::all().at(questionIndex());
}

QStringList ColorTrapGame::hueNames() const
{
    QStringList names;
    for (ColorTrapHue hue : ColorTrapHues::allCases())
        names.append(ColorTrapHues::name(hue));
    return names;
}

QList<QColor> ColorTrapGame::hueColors() const
{
    QList<QColor> colors;
    for (ColorTrapHue hue : ColorTrapHues::allCases())
        colors.append(ColorTrapHues::color(hue));
    return colors;
}

int ColorTrapGame::selectedIndex() const
{
    return m_selected ? int(ColorTrapHues::allCases().indexOf(*m_selected)) : -1;
}

TileState::State ColorTrapGame::tileState(ColorTrapHue hue) const
{
    return TileState::ofChoice(locked(), hue == current().ink, m_selected == hue);
}

QList<int> ColorTrapGame::tileStates() const
{
    QList<int> states;
    for (ColorTrapHue hue : ColorTrapHues::allCases())
        states.append(tileState(hue));
    return states;
}

void ColorTrapGame::choose(int index)
{
    const QList<ColorTrapHue> &hues = ColorTrapHues::allCases();
    if (index >= 0 && index < hues.size())
        choose(hues[index]);
}

void ColorTrapGame::choose(ColorTrapHue hue)
{
    if (answersClosed())
        return;
    m_selected = hue;
    if (hue == current().ink) {
        answerRight(u"找对啦！这次要看颜色"_s);
    } else {
        answerWrong(u"别念文字，眼睛看看它是什么颜色"_s);
    }
}
