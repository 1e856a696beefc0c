#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string>

#include "cli/convert.h"

namespace cli {

namespace {

struct LocaleSeparators {
    std::string_view name, decimal, group;
};

// Sorted by name, as the generator writes it.
constexpr LocaleSeparators kLocales[] = {
#include "cli/locale_table.inc"
};

const LocaleSeparators* Find(std::string_view name)
{
    const auto it = std::lower_bound(std::begin(kLocales), std::end(kLocales), name,
                                     [](const LocaleSeparators& l, std::string_view n) { return l.name < n; });
    return it != std::end(kLocales) && it->name == name ? &*it : nullptr;
}

}  // namespace

engine::NumberFormat FormatForLocaleName(std::string_view name)
{
    // "de_DE.UTF-8@euro" names the locale de_DE; "de-DE" is the same.
    name = name.substr(0, name.find_first_of(".@"));
    std::string key(name);
    std::replace(key.begin(), key.end(), '-', '_');

    std::string candidates[3] = {key, {}, {}};
    const auto firstSep = key.find('_');
    if (firstSep != std::string::npos) {
        const auto lastSep = key.rfind('_');
        candidates[1] = key.substr(0, firstSep) + key.substr(lastSep);  // drop a script
        candidates[2] = key.substr(0, firstSep);
    }
    for (const std::string& candidate : candidates)
        if (const LocaleSeparators* found = candidate.empty() ? nullptr : Find(candidate))
            return {std::string(found->decimal), std::string(found->group)};
    return {};  // "C", "POSIX", unset or unknown: the point and the comma
}

engine::NumberFormat FormatFromEnvironment()
{
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"})
        if (const char* value = std::getenv(variable); value && *value)
            return FormatForLocaleName(value);
    return {};
}

}  // namespace cli
