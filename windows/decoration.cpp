#include "windows/decoration.h"

#include <QFrame>
#include <QString>

namespace windows {

namespace {
QFrame* createFrame(QWidget* parent, const QString& name, QFrame::Shape shape,
                    QFrame::Shadow shadow)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(shape);
    frame->setFrameShadow(shadow);
    return frame;
}
}  // namespace

QFrame* createShape(QWidget* parent, const QString& name)
{
    return createFrame(parent, name, QFrame::Box, QFrame::Plain);
}

QFrame* createRowFrame(QWidget* parent, const QString& name)
{
    return createFrame(parent, name, QFrame::StyledPanel, QFrame::Sunken);
}

}  // namespace windows
