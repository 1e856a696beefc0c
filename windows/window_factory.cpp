#include "windows/window_factory.h"

#include <QLocale>

#include "windows/category_window.h"
#include "windows/descriptors.h"

namespace windows {

engine::NumberFormat systemNumberFormat()
{
    const QLocale locale = QLocale::system();
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

QWidget* createWindow(WindowId id, const engine::NumberFormat& format, QWidget* parent)
{
    if (const WindowDescriptor* descriptor = findDescriptor(id))
        return new CategoryWindow(*descriptor, format, parent);

    // Placeholder until the real windows exist.
    auto* widget = new QWidget(parent);
    widget->setObjectName(QStringLiteral("Form%1").arg(static_cast<int>(id) + 1));
    return widget;
}

}  // namespace windows
