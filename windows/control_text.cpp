#include "windows/control_text.h"

namespace windows {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString indexedName(const char* base, int index)
{
    return QString::fromLatin1(base) + u'(' + QString::number(index) + u')';
}

QString withoutAccelerator(QString caption)
{
    for (qsizetype i = 0; i < caption.size(); ++i)
        if (caption[i] == u'&') caption.remove(i, 1);  // "&&" leaves one "&"
    return caption;
}

}  // namespace windows
