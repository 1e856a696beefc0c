#include "windows/result_box.h"

#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>

#include "windows/result_copy.h"
#include "windows/table_copy.h"

namespace windows {

namespace {

// Built afresh each time, like QLineEdit's own menu, so that Copy is enabled
// only while there is something selected to copy. The standard actions'
// object names are kept for styles and tools that look for them.
void showResultMenu(QLineEdit& box, const QPoint& position)
{
    auto* menu = new QMenu(&box);
    menu->setAttribute(Qt::WA_DeleteOnClose);

    QAction* copy = menu->addAction(QLineEdit::tr("&Copy"), &box, &QLineEdit::copy);
    copy->setObjectName(QStringLiteral("edit-copy"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(box.hasSelectedText() && box.echoMode() == QLineEdit::Normal);
    addCopyForms(*menu, box, copy);

    menu->addSeparator();
    QAction* selectAll = menu->addAction(QLineEdit::tr("Select All"), &box, &QLineEdit::selectAll);
    selectAll->setObjectName(QStringLiteral("select-all"));
    selectAll->setShortcut(QKeySequence::SelectAll);
    selectAll->setEnabled(!box.text().isEmpty());

    if (QAction* copyAll = copyAllResultsFor(box)) {
        menu->addSeparator();
        menu->addAction(copyAll);
    }

    menu->popup(box.mapToGlobal(position));
}

}  // namespace

void makeResultBox(QLineEdit& box)
{
    box.setReadOnly(true);
    box.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&box, &QWidget::customContextMenuRequested, &box,
                     [&box](const QPoint& position) { showResultMenu(box, position); });
}

}  // namespace windows
