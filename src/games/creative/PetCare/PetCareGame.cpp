#include "PetCareGame.h"

#include "GameAudio.h"
#include "SettingsStore.h"

#include <QVariantMap>

using namespace Qt::StringLiterals;

const QList<PetCareGame::TaskRow> &PetCareGame::taskTable()
{
    static const QList<TaskRow> table = {
        {Feed, u"喂小点心"_s, u"🍓"_s, u"吃饱啦，肚子暖暖的！"_s},
        {Wash, u"泡泡洗澡"_s, u"🫧"_s, u"洗得香喷喷！"_s},
        {Play, u"玩接球"_s, u"🎾"_s, u"接到球啦，真开心！"_s},
        {Rest, u"晚安小窝"_s, u"\U0001F6CF\uFE0F"_s, u"盖好小被子，晚安！"_s},
    };
    return table;
}

QString PetCareGame::instruction()
{
    return u"请照顾小宠物，完成四件温柔的小事。"_s;
}

PetCareGame::PetCareGame(QObject *parent)
    : GameBase(parent)
    , m_feedback(u"小宠物在等你照顾它。"_s)
{
    readSettings();
}

void PetCareGame::readSettings()
{
    const SettingsStore &settings = SettingsStore::standard();
    m_pet = settings.string(QLatin1String(petKey)).value_or(u"🦊"_s);
    m_petAccessory = settings.string(QLatin1String(accessoryKey)).value_or(QString());
    emit settingsRead();
}

bool &PetCareGame::flag(Task task)
{
    switch (task) {
    case Feed: return m_fed;
    case Wash: return m_washed;
    case Play: return m_played;
    case Rest: break;
    }
    return m_rested;
}

bool PetCareGame::isDone(Task task) const
{
    return const_cast<PetCareGame *>(this)->flag(task);
}

int PetCareGame::careCount() const
{
    return int(m_fed) + int(m_washed) + int(m_rested) + int(m_played);
}

QString PetCareGame::counter() const
{
    return u"\u2764\uFE0F "_s + QString::number(careCount()) + u"/4"_s;
}

bool PetCareGame::caredFor() const
{
    return m_fed && m_washed && m_rested && m_played;
}

QString PetCareGame::moodMark() const
{
    return m_rested ? u"💤"_s : u"✨"_s;
}

QString PetCareGame::status() const
{
    return caredFor() ? u"开心得转圈圈！"_s : u"等你来帮忙"_s;
}

QString PetCareGame::finishTitle() const
{
    return finished() ? u"爱心徽章已点亮"_s : u"照顾完成，点亮爱心徽章"_s;
}

QVariantList PetCareGame::tasksForView() const
{
    QVariantList list;
    for (const TaskRow &row : taskTable()) {
        list.append(QVariantMap{{u"title"_s, row.title}, {u"emoji"_s, row.emoji}, {u"done"_s, isDone(row.task)}});
    }
    return list;
}

void PetCareGame::appear()
{
    readSettings();
    GameAudio::readQuestion(instruction(), u"zh-CN"_s);
}

void PetCareGame::doTask(int index)
{
    if (index < 0 || index >= taskTable().size())
        return;
    const TaskRow &row = taskTable().at(index);
    bool &done = flag(row.task);
    if (done)
        return; // a done card is disabled and ignores taps
    done = true;
    m_feedback = row.feedback;
    emit changed();
    if (caredFor())
        GameAudio::correct();
}

void PetCareGame::finish()
{
    if (!caredFor() || finished())
        return; // the control exists only once all four are done, and reports once
    GameAudio::correct();
    completeOnce(100, 3);
}
