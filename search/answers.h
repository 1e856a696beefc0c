#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/unit_table.h"
#include "engine/value_text.h"

namespace search {

// One conversion the desktop's search can show and open: a value as typed, in
// unit `from` of a table, shown in unit `to`.
struct Conversion {
    const engine::UnitTable* table = nullptr;
    int from = 0;  // numbered from 1, as the options
    int to = 0;
    std::string value;  // as typed, read whole in the session's format
};

// A conversion as the desktop shows it: name "3.106855961 mi", description
// "Miles — 5 km, Distance", every number as the window writes it. The id
// names the conversion itself, so that it can be shown and opened again
// without anything remembered.
struct Answer {
    std::string id;
    std::string name;
    std::string description;
    std::string number;  // the result box's text alone: "3.106855961"
};

// What a desktop query asks for: a value with a unit gives the value in the
// other units of that unit's category (of each category, when several share
// the name), the most readable numbers first; with a target ("5 km in mi")
// exactly that one. Anything else (plain words, a bare number, a value that is
// not read whole or lies beyond a double, an unknown unit, a query longer or
// with more words than anyone types, control characters) gives none, at once.
// Prices are not searched. Never throws for any bytes.
std::vector<Answer> Answers(std::string_view query, const engine::NumberFormat& format);

// The conversion an id of Answers names; nothing for any other text.
std::optional<Conversion> ReadAnswerId(std::string_view id, const engine::NumberFormat& format);

// The answer for one conversion, as Answers gives it; nothing when the
// evaluation fails.
std::optional<Answer> AnswerFor(const Conversion& conversion, const engine::NumberFormat& format);

// The desktop program's arguments that open it on the conversion:
// --open CATEGORY --unit FROM --value V --to TARGET, units by number.
std::vector<std::string> OpenArguments(const Conversion& conversion);

// Whether a query may be handed on as it is: not empty, not longer than any
// query of ours, no control characters.
bool IsPlainQuery(std::string_view query);

}  // namespace search
