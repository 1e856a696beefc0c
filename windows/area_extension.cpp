#include "windows/area_extension.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRect>

#include "windows/category_window.h"

namespace windows {

void addAreaControls(CategoryWindow& window)
{
    // Never shown; it keeps the last side written, also when a value not
    // above zero leaves the side unwritten.
    auto* side = new QLineEdit(&window);
    side->setObjectName(QStringLiteral("TextR3"));
    side->hide();
    QObject::connect(&window, &CategoryWindow::sideChanged, side, &QLineEdit::setText);

    const struct {
        const char* name;
        const char* caption;
        int left;
        WindowId target;
    } buttons[] = {
        {.name = "CmdR1",
         .caption = "Calculate &Metric",
         .left = 170,
         .target = WindowId::AreaMetric},
        {.name = "CmdR2",
         .caption = "Calculate &Standard",
         .left = 3150,
         .target = WindowId::AreaStandard},
    };
    for (const auto& b : buttons) {
        auto* button = new QPushButton(QString::fromLatin1(b.caption), &window);
        button->setObjectName(QString::fromLatin1(b.name));
        window.placeControl(button, QRect(b.left, 4320, 1800, 495));
        const WindowId target = b.target;
        QObject::connect(button, &QPushButton::clicked, &window,
                         [&window, target] { window.requestWindow(target); });
    }
}

}  // namespace windows
