#include "windows/result_copy.h"

#include <array>
#include <cmath>
#include <utility>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>

#include "engine/whole_number.h"
#include "windows/announcer.h"
#include "windows/child_window.h"
#include "windows/table_copy.h"
#include "windows/twips.h"

namespace windows {

namespace {

const QString kHolderName = QStringLiteral("CopyForms");

// The forms a box was given, kept with the box and gone with it.
class FormsHolder : public QObject {
public:
    FormsHolder(QLineEdit& box, CopyForms forms, const engine::NumberFormat& format)
        : QObject(&box), forms(std::move(forms)), format(format)
    {
        setObjectName(kHolderName);
    }
    CopyForms forms;
    engine::NumberFormat format;
};

const FormsHolder* formsOf(const QLineEdit& box)
{
    return dynamic_cast<const FormsHolder*>(
        box.findChild<QObject*>(kHolderName, Qt::FindDirectChildrenOnly));
}

enum class Form { WithUnit, AsLine, PlainNumber, UseAsValue };

struct FormItem {
    Form form;
    const char* text;  // the letters marked stay clear of Copy, Select All and each other
    const char* name;
};

constexpr std::array<FormItem, 4> kFormItems = {{
    {.form = Form::WithUnit, .text = "Copy with &Unit", .name = "CopyWithUnit"},
    {.form = Form::AsLine, .text = "Copy as &Line", .name = "CopyAsLine"},
    {.form = Form::PlainNumber, .text = "Copy Plain &Number", .name = "CopyPlainNumber"},
    {.form = Form::UseAsValue, .text = "Use as &Value", .name = "UseAsValue"},
}};

// The window's own announcer for what was copied: a reader hears it
// whichever control keeps the focus.
Announcer* announcerFor(QWidget& control)
{
    QWidget* window = &control;
    for (QWidget* w = &control; w; w = w->parentWidget()) {
        window = w;
        if (qobject_cast<ChildWindow*>(w) || w->isWindow()) break;
    }
    const QString name = QStringLiteral("CopyAnnouncer");
    if (auto* found = window->findChild<Announcer*>(name, Qt::FindDirectChildrenOnly)) return found;
    auto* announcer = new Announcer(window);
    announcer->setObjectName(name);
    return announcer;
}

void copyText(QWidget& from, const QString& text)
{
    QApplication::clipboard()->setText(text);
    announcerFor(from)->announce(QStringLiteral("Copied ") + text);
}

// The value box takes the number whole: no infinity, nothing beyond its length.
bool fitsValueBox(const QString& number)
{
    if (number.size() > kValueMaxLength) return false;
    const engine::ReadResult read = engine::ReadWholeNumber(number.toStdString(), {".", ","});
    return read && std::isfinite(read.value);
}

bool offers(const FormsHolder& holder, Form form)
{
    switch (form) {
    case Form::AsLine: return bool(holder.forms.lineStart);
    case Form::UseAsValue: return bool(holder.forms.useAsValue);
    case Form::WithUnit:
    case Form::PlainNumber: break;
    }
    return true;
}

bool canApply(const QLineEdit& box, Form form)
{
    const FormsHolder* holder = formsOf(box);
    if (!holder || !offers(*holder, form) || box.text().isEmpty()) return false;
    return form != Form::UseAsValue || fitsValueBox(plainNumber(box.text(), holder->format));
}

void apply(QLineEdit& box, Form form)
{
    const FormsHolder* holder = formsOf(box);
    if (!holder || !canApply(box, form)) return;
    const QString withUnit = box.text() + u' ' + holder->forms.unit;
    switch (form) {
    case Form::WithUnit: copyText(box, withUnit); break;
    case Form::AsLine:
        copyText(box, holder->forms.lineStart() + QStringLiteral(" = ") + withUnit);
        break;
    case Form::PlainNumber: copyText(box, plainNumber(box.text(), holder->format)); break;
    case Form::UseAsValue: {
        // Taken before the pick, which writes the box anew.
        const QString number = plainNumber(box.text(), holder->format);
        holder->forms.useAsValue(number);
        break;
    }
    }
}

QAction* addFormAction(QMenu& menu, QAction* before, QLineEdit& box, const FormItem& item)
{
    auto* action = new QAction(QString::fromLatin1(item.text), &menu);
    action->setObjectName(QString::fromLatin1(item.name));
    action->setEnabled(canApply(box, item.form));
    QObject::connect(action, &QAction::triggered, &box,
                     [box = QPointer<QLineEdit>(&box), form = item.form] {
                         if (box) apply(*box, form);
                     });
    menu.insertAction(before, action);
    return action;
}

// Keeps the window's row items in step with the row that has the focus when
// the menu opens. The window keeps its focus child while the menu is open, so
// an item acts on the row it was offered for.
class RowForms : public QObject {
public:
    RowForms(QWidget& window, std::function<QLineEdit*()> focusedRow)
        : QObject(&window), m_focusedRow(std::move(focusedRow))
    {
        auto* separator = new QAction(&window);
        separator->setSeparator(true);
        window.addAction(separator);
        for (const FormItem& item : kFormItems) {
            auto* action = new QAction(QString::fromLatin1(item.text), &window);
            action->setObjectName(QStringLiteral("Row") + QString::fromLatin1(item.name));
            connect(action, &QAction::triggered, this, [this, form = item.form] {
                if (QLineEdit* row = m_focusedRow()) apply(*row, form);
            });
            window.addAction(action);
            m_actions.emplace_back(action, item.form);
        }
        refresh();
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ContextMenu) refresh();
        return QObject::eventFilter(watched, event);
    }

private:
    void refresh()
    {
        QLineEdit* row = m_focusedRow();
        const FormsHolder* holder = row ? formsOf(*row) : nullptr;
        for (const auto& [action, form] : m_actions) {
            action->setVisible(!holder || offers(*holder, form));
            action->setEnabled(row && canApply(*row, form));
        }
    }

    std::function<QLineEdit*()> m_focusedRow;
    std::vector<std::pair<QAction*, Form>> m_actions;
};

void showPriceMenu(QLabel& label, const QString& unit, const engine::NumberFormat& format,
                   const QPoint& position)
{
    auto* menu = new QMenu(&label);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QString shown = label.text();
    const auto item = [&](const QString& text, const char* name, const QString& copied) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setEnabled(!copied.isEmpty());
        QObject::connect(action, &QAction::triggered, &label,
                         [&label, copied] { copyText(label, copied); });
    };
    item(QLineEdit::tr("&Copy"), "edit-copy",
         label.hasSelectedText() ? label.selectedText() : shown);
    item(QStringLiteral("Copy with &Unit"), "CopyWithUnit",
         shown.isEmpty() ? QString() : shown + QStringLiteral(" per ") + unit);
    item(QStringLiteral("Copy Plain &Number"), "CopyPlainNumber",
         shown.isEmpty() ? QString() : plainNumber(shown, format));
    menu->addSeparator();
    QAction* selectAll = menu->addAction(QLineEdit::tr("Select All"), &label, [&label] {
        label.setSelection(0, static_cast<int>(label.text().size()));
    });
    selectAll->setObjectName(QStringLiteral("select-all"));
    selectAll->setEnabled(!shown.isEmpty());
    if (QAction* copyAll = copyAllResultsFor(label)) {
        menu->addSeparator();
        menu->addAction(copyAll);
    }
    menu->popup(label.mapToGlobal(position));
}

}  // namespace

void setCopyForms(QLineEdit& box, CopyForms forms, const engine::NumberFormat& format)
{
    delete box.findChild<QObject*>(kHolderName, Qt::FindDirectChildrenOnly);
    new FormsHolder(box, std::move(forms), format);
}

void addCopyForms(QMenu& menu, QLineEdit& box, QAction* copy)
{
    const FormsHolder* holder = formsOf(box);
    if (!holder) return;
    const QList<QAction*> actions = menu.actions();
    const qsizetype at = actions.indexOf(copy);
    QAction* before = at >= 0 && at + 1 < actions.size() ? actions[at + 1] : nullptr;
    for (const FormItem& item : kFormItems)
        if (offers(*holder, item.form)) addFormAction(menu, before, box, item);
}

void makePriceCopyMenu(QLabel& label, const QString& unit, const engine::NumberFormat& format)
{
    label.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&label, &QWidget::customContextMenuRequested, &label,
                     [&label, unit, format](const QPoint& position) {
                         showPriceMenu(label, unit, format, position);
                     });
}

void addRowCopyForms(QWidget& window, std::function<QLineEdit*()> focusedRow)
{
    new RowForms(window, std::move(focusedRow));
}

QString plainNumber(const QString& shown, const engine::NumberFormat& format)
{
    const QString decimal = QString::fromStdString(format.decimal);
    const QString group = QString::fromStdString(format.group);
    QString plain;
    for (qsizetype i = 0; i < shown.size();) {
        if (!decimal.isEmpty() && QStringView(shown).sliced(i).startsWith(decimal)) {
            plain += u'.';
            i += decimal.size();
        } else if (!group.isEmpty() && QStringView(shown).sliced(i).startsWith(group)) {
            i += group.size();
        } else {
            if (shown[i] != u'$' && !shown[i].isSpace()) plain += shown[i];
            ++i;
        }
    }
    return plain;
}

}  // namespace windows
