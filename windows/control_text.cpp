#include "windows/control_text.h"

#include "engine/names.h"

namespace windows {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString indexedName(const char* base, int index)
{
    return QString::fromLatin1(base) + u'(' + QString::number(index) + u')';
}

QString withoutAccelerator(const QString& caption)
{
    return fromUtf8(engine::WithoutAccelerator(caption.toStdString()));
}

}  // namespace windows
