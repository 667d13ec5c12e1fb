// The QML modules the shell's window tests load.
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(Pipwhistle_UiPlugin)
Q_IMPORT_QML_PLUGIN(Pipwhistle_AudioPlugin)
Q_IMPORT_QML_PLUGIN(Pipwhistle_AppPlugin)
