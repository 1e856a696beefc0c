#include "windows/table_copy.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QWidget>

namespace windows {

namespace {

const QString kCopyAllName = QStringLiteral("CopyAllResults");

QString flattened(QString cell)
{
    for (QChar& c : cell)
        if (c == u'\t' || c == u'\n' || c == u'\r') c = u' ';
    return cell;
}

}  // namespace

QMimeData* tableMimeData(const TableRows& rows)
{
    QString text;
    QString html = QStringLiteral("<table>\n");
    for (const QStringList& row : rows) {
        QStringList cells;
        html += QStringLiteral("<tr>");
        for (const QString& cell : row) {
            const QString flat = flattened(cell);
            cells.append(flat);
            html += QStringLiteral("<td>") + flat.toHtmlEscaped() + QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>\n");
        text += cells.join(u'\t') + u'\n';
    }
    html += QStringLiteral("</table>\n");

    auto* data = new QMimeData;
    data->setText(text);
    data->setHtml(html);
    return data;
}

QAction* addCopyAllResults(QWidget& window, std::function<TableRows()> rows)
{
    auto* action = new QAction(QStringLiteral("Copy All Results"), &window);
    action->setObjectName(kCopyAllName);
    action->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    // The window's own key, not the frame's: each window copies its own table.
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(action, &QAction::triggered, &window, [rows = std::move(rows)] {
        QApplication::clipboard()->setMimeData(tableMimeData(rows()));
    });
    window.addAction(action);
    // Labels, options and the window's empty space pass a right click on to
    // the window, which offers its actions.
    window.setContextMenuPolicy(Qt::ActionsContextMenu);
    return action;
}

QAction* copyAllResultsFor(const QWidget& control)
{
    for (const QWidget* w = &control; w; w = w->parentWidget()) {
        for (QAction* action : w->actions())
            if (action->objectName() == kCopyAllName) return action;
        if (w->isWindow()) break;
    }
    return nullptr;
}

}  // namespace windows
