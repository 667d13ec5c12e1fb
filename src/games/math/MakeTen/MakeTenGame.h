#pragma once

#include "RoundQuizGame.h"

#include <QList>
#include <QString>

// "make-ten": six number tiles a round; the child taps two whose numbers add up to ten.
// A tile is its position in the row: two tiles may show the same number.
class MakeTenGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QList<int> numbers READ numbers NOTIFY questionChanged)
    Q_PROPERTY(QString counter READ counter NOTIFY questionChanged)
    Q_PROPERTY(QString prompt READ prompt NOTIFY questionChanged)
    Q_PROPERTY(QList<int> selected READ selected NOTIFY selectionChanged)
    Q_PROPERTY(QString equation READ equation NOTIFY selectionChanged)
public:
    explicit MakeTenGame(QObject *parent = nullptr);

    static constexpr auto gameID = "make-ten";
    static constexpr int pauseMs = 600; // after a right pair
    static constexpr int clearMs = 450; // a wrong pair stays picked this long

    // Row i of the bank: a number 1 to 9, its partner to ten and four fillers from a
    // fixed 64-bit generator, rotated left by i mod 6 (see the .cpp).
    static QList<int> generateRow(int i);
    // The 500 rows, built once.
    static const QList<QList<int>> &rounds();

    QList<int> numbers() const { return rounds().at(questionIndex()); }
    QString counter() const;
    QString prompt() const;
    QList<int> selected() const { return m_selected; }
    QString equation() const;

    // The tapped tile's position: picks it, unpicks it when it is picked, and judges
    // the pair when two are picked.
    Q_INVOKABLE void select(int index);

signals:
    void selectionChanged();

protected:
    int bankCount() const override { return int(rounds().size()); }
    void roundStarted() override;

private:
    void setSelected(QList<int> selected);

    QList<int> m_selected;
};
