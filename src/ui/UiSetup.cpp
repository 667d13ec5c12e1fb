#include "UiSetup.h"

#include "Fonts.h"
#include "Storybook.h"

#include <QByteArray>
#include <QQmlEngine>

namespace Ui {

void prepareGraphics()
{
    // Read once, when the first window's scene graph starts.
    qputenv("QSG_NO_DEPTH_BUFFER", QByteArrayLiteral("1"));
    qputenv("QSG_NO_STENCIL_BUFFER", QByteArrayLiteral("1"));
}

void installFonts()
{
    Fonts::install();
}

void prepareEngine(QQmlEngine &engine)
{
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    const QString provider = QLatin1String(Storybook::providerId);
    if (!engine.imageProvider(provider))
        engine.addImageProvider(provider, new StorybookImageProvider);
}

} // namespace Ui
