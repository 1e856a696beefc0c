#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/unit_table.h"

namespace frame {

// A unit to show in its category window. Plain data without Qt, so that the
// command line can be read before the toolkit starts.
struct UnitRequest {
    const engine::UnitTable* table = nullptr;
    int unit = 0;                      // the option to pick; 0 keeps the window's pick
    std::optional<std::string> value;  // typed into the value box
    int target = 0;                    // the result box to focus, its text selected; 0: none
};

// What the command line asks for beyond the toolkit's own options.
struct StartRequest {
    enum class Kind { Frame, Open, Find };
    Kind kind = Kind::Frame;  // Frame: the empty frame, as plain `tabrix` starts
    UnitRequest open;         // Kind::Open
    std::string query;        // Kind::Find; may be empty
};

// Either a request or the message that refuses the arguments.
struct ParsedStart {
    std::optional<StartRequest> request;
    std::string error;  // one or more lines, each ending in '\n'
};

// Reads --open CATEGORY, --unit UNIT, --value TEXT, --to UNIT and --find [QUERY]
// (also as --open=CATEGORY) from the arguments after the program's name; every
// other argument is left to the toolkit. A category is named by its caption, a
// unit as tabrix-convert names it (number, abbreviation or caption), in any
// case. A name that matches nothing, or several units, is refused with the
// valid choices. Never throws.
ParsedStart parseStartArguments(std::span<const std::string_view> arguments);

// The lines of --help that describe these options.
std::string_view startOptionsHelp();

}  // namespace frame
