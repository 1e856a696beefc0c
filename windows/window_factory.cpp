#include "windows/window_factory.h"

#include <QLocale>

#include "windows/area_dimensions_window.h"
#include "windows/category_window.h"
#include "windows/dates_window.h"
#include "windows/descriptors.h"

namespace windows {

engine::NumberFormat systemNumberFormat()
{
    const QLocale locale = QLocale::system();
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

ChildWindow* createWindow(WindowId id, const engine::NumberFormat& format, QWidget* parent)
{
    if (const WindowDescriptor* descriptor = findDescriptor(id))
        return new CategoryWindow(*descriptor, format, parent);
    switch (id) {
    case WindowId::AreaMetric:
        return new AreaDimensionsWindow(metricDimensionsDescriptor(), format, parent);
    case WindowId::AreaStandard:
        return new AreaDimensionsWindow(standardDimensionsDescriptor(), format, parent);
    case WindowId::Dates: return new DatesWindow(format, parent);
    default: break;  // the category windows, above
    }
    Q_UNREACHABLE();
    return nullptr;
}

}  // namespace windows
