#include "frame/open_unit.h"

#include <QLineEdit>
#include <QRadioButton>

#include "frame/main_frame.h"
#include "windows/control_text.h"
#include "windows/descriptors.h"

namespace frame {

namespace {

const windows::WindowDescriptor* descriptorOf(const engine::UnitTable* table)
{
    for (const windows::WindowDescriptor& descriptor : windows::categoryDescriptors())
        if (&descriptor.table() == table) return &descriptor;
    return nullptr;
}

}  // namespace

void openUnit(MainFrame& frame, const UnitRequest& request)
{
    const windows::WindowDescriptor* descriptor = descriptorOf(request.table);
    if (!descriptor) return;
    QWidget* window = frame.showWindow(descriptor->id);
    const windows::ControlNames& names = descriptor->names;
    auto* valueBox = window->findChild<QLineEdit*>(QString::fromLatin1(names.valueBox));
    if (!valueBox) return;

    // The value first: a number enables the options, so the pick below is
    // the one a user makes.
    valueBox->setFocus(Qt::OtherFocusReason);
    if (request.value) {
        valueBox->selectAll();
        valueBox->insert(QString::fromStdString(*request.value));
    }
    if (auto* option =
            window->findChild<QRadioButton*>(windows::indexedName(names.options, request.unit))) {
        // A text that is no number disables the options; the unit is picked
        // all the same, and shows the results for the value that text reads as.
        const bool enabled = option->isEnabled();
        option->setEnabled(true);
        option->click();
        option->setEnabled(enabled);
    }
    QLineEdit* focus =
        request.target == 0
            ? valueBox
            : window->findChild<QLineEdit*>(windows::indexedName(names.results, request.target));
    if (!focus) focus = valueBox;
    focus->setFocus(Qt::OtherFocusReason);
    focus->selectAll();
}

void carryOut(MainFrame& frame, const StartRequest& request)
{
    switch (request.kind) {
    case StartRequest::Kind::Frame: break;
    case StartRequest::Kind::Open: openUnit(frame, request.open); break;
    case StartRequest::Kind::Find: {
        const QString query = QString::fromStdString(request.query);
        frame.showFindUnit(&query);
        break;
    }
    }
}

}  // namespace frame
