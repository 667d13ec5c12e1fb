#pragma once

#include <QList>
#include <QObject>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

// Loads QML files ahead of the tap that shows them, so that the tap builds its objects
// from types already loaded.
//
// The types are loaded synchronously, one file an event turn, with whatever comes
// between (a tap, a frame) in its turn. They are never loaded asynchronously: Qt 6.4's
// type loader, resolving a type on its own thread, may free compiled files linked to the
// JavaScript engine (as it trims its type cache) while the garbage collector on the
// interface thread walks them, and the program dies; loaded synchronously, the loader's
// thread works only while the interface thread waits for it.
class TypesAhead : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    // Loads `files` in the engine of `holder`, the first at once, and keeps each loaded
    // type as a component that `holder` holds and that goes with it. What is left to load
    // when `holder` goes is left.
    Q_INVOKABLE static void load(QObject *holder, const QList<QUrl> &files);
};
