#include "windows/spoken_names.h"

#include <array>
#include <utility>

#include "windows/control_text.h"

namespace windows {

namespace {

constexpr std::array<std::pair<std::string_view, const char*>, 6> kSpokenSymbols{{
    {"km", "kilometres"},
    {"m", "metres"},
    {"cm", "centimetres"},
    {"mi", "miles"},
    {"yd", "yards"},
    {"in", "inches"},
}};

}  // namespace

QString spokenUnit(const engine::UnitDef& unit) { return fromUtf8(unit.spoken); }

QString spokenSymbol(std::string_view symbol)
{
    for (const auto& [shown, spoken] : kSpokenSymbols)
        if (symbol == shown) return QString::fromLatin1(spoken);
    return fromUtf8(symbol);
}

}  // namespace windows
