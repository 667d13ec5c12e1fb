#include "WebViewSetup.h"

#include <QByteArray>
#include <QtWebEngineQuick/qtwebenginequickglobal.h>

#include <unistd.h>

namespace WebViewSetup {

void prepare()
{
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", QByteArrayLiteral("1"));
    QtWebEngineQuick::initialize();
}

} // namespace WebViewSetup
