#include "UiSetup.h"

#include "Fonts.h"
#include "Storybook.h"

#include <QQmlEngine>

namespace Ui {

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
