#pragma once

// What the benchmarks that drive the real shell share: its page stack and the way to a
// shelf's portal on the playground.

#include "ShellWindowTest.h"

#include <QGuiApplication>
#include <QWheelEvent>

inline QQuickItem *stackOf(ShellFixture &f)
{
    return ShellTest::findItem(f.root(), [](QQuickItem *i) { return i->inherits("QQuickStackView"); });
}

inline int depth(QQuickItem *stack)
{
    return stack->property("depth").toInt();
}

inline bool settled(QQuickItem *stack, int wanted)
{
    return QTest::qWaitFor([&] { return !stack->property("busy").toBool() && depth(stack) == wanted; }, 5000);
}

// Turns the playground's rail by the wheel until the portal of `shelf` lies whole in
// the window.
inline QQuickItem *portalInView(ShellFixture &f, const QString &shelf)
{
    QQuickItem *rail = ShellTest::findNamed(f.root(), QStringLiteral("portalRail"));
    for (int turn = 0; rail && turn < 60; ++turn) {
        QQuickItem *label = f.text(shelf);
        if (label) {
            const QPointF c = label->mapToScene(QPointF(label->width() / 2, label->height() / 2));
            if (c.x() > 80 && c.x() < f.window()->width() - 80)
                return label;
        }
        const bool right = !label || label->mapToScene(QPointF()).x() > f.window()->width() / 2;
        const QPointF over = rail->mapToScene(QPointF(rail->width() / 2, rail->height() / 2));
        QWheelEvent wheel(over, f.window()->mapToGlobal(over), QPoint(), QPoint(0, right ? -120 : 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QGuiApplication::sendEvent(f.window(), &wheel);
        QTest::qWait(30);
    }
    return nullptr;
}
