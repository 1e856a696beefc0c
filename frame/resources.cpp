#include "frame/resources.h"

#include <QString>

// Q_INIT_RESOURCE declares the registration function, which lives in the
// global namespace; it cannot be called from inside namespace frame.
static void registerResources()
{
    Q_INIT_RESOURCE(icons);
    Q_INIT_RESOURCE(help);
}

namespace frame {

void initFrameResources()
{
    static const bool registered = (registerResources(), true);
    (void)registered;
}

QIcon frameIcon(const char* name)
{
    initFrameResources();
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
}

QIcon logoIcon()
{
    return frameIcon("logo");
}

}  // namespace frame
