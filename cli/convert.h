#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

#include "engine/value_text.h"

namespace cli {

// Exit statuses of tabrix-convert.
inline constexpr int kExitOk = 0;
inline constexpr int kExitNoMatch = 1;  // find: no unit matches the query
inline constexpr int kExitUsage = 2;
inline constexpr int kExitFault = 3;

// Runs tabrix-convert with its arguments (without the program name), writing
// results to `out` and messages to `err`; returns the exit status.
int Run(std::span<const std::string_view> args, const engine::NumberFormat& format,
        std::ostream& out, std::ostream& err);

// A typed text as a message quotes it: control characters, the quote and the
// backslash escaped, so that the message stays on one line.
std::string Quoted(std::string_view text);

// The regional number format chosen by LC_ALL, LC_NUMERIC and LANG, in that
// order, the way the desktop program's toolkit picks its system locale.
engine::NumberFormat FormatFromEnvironment();

// The separators of a locale name such as "de_DE.UTF-8"; the point and the
// comma for "C" and for names the toolkit does not know either.
engine::NumberFormat FormatForLocaleName(std::string_view name);

}  // namespace cli
