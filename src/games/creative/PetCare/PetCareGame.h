#pragma once

#include "GameBase.h"

#include <QList>
#include <QString>
#include <QVariantList>

// "pet-care": four gentle care tasks for the pet kept in the settings (a snack, a
// bubble bath, a game of catch, bedtime), each once, in any order. When all four are
// done the pet is happy and the finish control reports (100, 3), once.
class PetCareGame : public GameBase
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString pet READ pet NOTIFY settingsRead FINAL)
    Q_PROPERTY(QString petAccessory READ petAccessory NOTIFY settingsRead FINAL)
    Q_PROPERTY(QVariantList tasks READ tasksForView NOTIFY changed FINAL)
    Q_PROPERTY(int careCount READ careCount NOTIFY changed FINAL)
    Q_PROPERTY(QString counter READ counter NOTIFY changed FINAL)
    Q_PROPERTY(bool caredFor READ caredFor NOTIFY changed FINAL)
    Q_PROPERTY(bool rested READ rested NOTIFY changed FINAL)
    Q_PROPERTY(QString moodMark READ moodMark NOTIFY changed FINAL)
    Q_PROPERTY(QString status READ status NOTIFY changed FINAL)
    Q_PROPERTY(QString feedback READ feedback NOTIFY changed FINAL)
    Q_PROPERTY(bool finished READ finished NOTIFY reportedChanged FINAL)
    Q_PROPERTY(QString finishTitle READ finishTitle NOTIFY reportedChanged FINAL)
public:
    explicit PetCareGame(QObject *parent = nullptr);

    static constexpr auto gameID = "pet-care";
    static constexpr auto petKey = "pipwhistle.wardrobe.pet";
    static constexpr auto accessoryKey = "pipwhistle.wardrobe.petAccessory";

    enum Task { Feed, Wash, Play, Rest };
    Q_ENUM(Task)
    struct TaskRow
    {
        Task task;
        QString title;
        QString emoji;
        QString feedback;
    };
    // The task cards in grid order.
    static const QList<TaskRow> &taskTable();
    static QString instruction();

    // The stored settings, shown as they are (plain text, never markup).
    QString pet() const { return m_pet; }
    QString petAccessory() const { return m_petAccessory; }
    bool isDone(Task task) const;
    int careCount() const;
    QString counter() const;
    bool caredFor() const;
    bool rested() const { return m_rested; }
    QString moodMark() const;
    QString status() const;
    QString feedback() const { return m_feedback; }
    bool finished() const { return reported(); }
    QString finishTitle() const;

    // Each time the page comes on screen: reads the settings again and the instruction.
    void appear() override;
    // The card at `index` of the grid.
    Q_INVOKABLE void doTask(int index);
    Q_INVOKABLE void finish();

signals:
    void changed();
    void settingsRead();

private:
    QVariantList tasksForView() const;
    void readSettings();
    bool &flag(Task task);

    QString m_pet;
    QString m_petAccessory;
    bool m_fed = false;
    bool m_washed = false;
    bool m_rested = false;
    bool m_played = false;
    QString m_feedback;
};
