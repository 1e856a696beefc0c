#include "windows/window_factory.h"

#include <QLocale>

namespace windows {

engine::NumberFormat systemNumberFormat()
{
    const QLocale locale = QLocale::system();
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

QWidget* createWindow(WindowId id, const engine::NumberFormat& /*format*/, QWidget* parent)
{
    // Placeholder until the real windows exist.
    auto* widget = new QWidget(parent);
    widget->setObjectName(QStringLiteral("Form%1").arg(static_cast<int>(id) + 1));
    return widget;
}

}  // namespace windows
