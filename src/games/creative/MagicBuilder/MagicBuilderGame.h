#pragma once

#include "GameBase.h"

#include <QList>
#include <QString>
#include <QVariantList>

// A building part: its key, its picture and its name.
struct BuildPart
{
    QString id;
    QString emoji;
    QString title;
};

// "magic-builder": pick one of six parts, tap any of twelve cells to put it there (a
// filled cell takes the new part). Six filled cells bring up the finish control, which
// reports (100, 3) once.
class MagicBuilderGame : public GameBase
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QVariantList parts READ partsForView CONSTANT FINAL)
    Q_PROPERTY(int selected READ selected NOTIFY changed FINAL)
    // One entry a cell: the picture of its part, or empty.
    Q_PROPERTY(QStringList cells READ cells NOTIFY changed FINAL)
    Q_PROPERTY(int filledCount READ filledCount NOTIFY changed FINAL)
    Q_PROPERTY(bool canFinish READ canFinish NOTIFY changed FINAL)
    Q_PROPERTY(bool completed READ completed NOTIFY reportedChanged FINAL)
    Q_PROPERTY(QString finishTitle READ finishTitle NOTIFY reportedChanged FINAL)
public:
    explicit MagicBuilderGame(QObject *parent = nullptr);

    static constexpr auto gameID = "magic-builder";
    static constexpr int cellCount = 12;
    static constexpr int cellsToFinish = 6;

    static const QList<BuildPart> &partTable();
    static QString instruction();

    int selected() const { return m_selected; }
    // The part in `cell`, −1 when empty.
    int partAt(int cell) const { return m_slots.at(cell); }
    QStringList cells() const;
    int filledCount() const;
    bool canFinish() const { return filledCount() >= cellsToFinish; }
    bool completed() const { return reported(); }
    QString finishTitle() const;

    void appear() override;
    Q_INVOKABLE void pick(int part);
    Q_INVOKABLE void place(int cell);
    Q_INVOKABLE void finish();

signals:
    void changed();

private:
    QVariantList partsForView() const;

    int m_selected = 0; // the wall
    QList<int> m_slots;
};
