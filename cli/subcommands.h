#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

#include "engine/value_text.h"

namespace cli {

// The subcommands beside the category conversions; each takes the arguments
// after its own name and returns the exit status (kExitOk, kExitUsage, …).
int RunAreaMetric(std::span<const std::string_view> args, bool tsv,
                  const engine::NumberFormat& format, std::ostream& out, std::ostream& err);
int RunAreaStandard(std::span<const std::string_view> args, bool tsv,
                    const engine::NumberFormat& format, std::ostream& out, std::ostream& err);
int RunDays(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
int RunFind(std::span<const std::string_view> args, bool tsv, const engine::NumberFormat& format,
            std::ostream& out, std::ostream& err);

// One subcommand as the usage, the help and the dispatch know it.
struct Subcommand {
    std::string_view name;       // "area-metric"
    std::string_view arguments;  // "LKM LM LCM WKM WM WCM", as the usage spells them
    std::string_view summary;    // the help's lines, without their indent
    bool tsv;                    // takes --tsv
    int (*run)(std::span<const std::string_view> args, bool tsv, const engine::NumberFormat& format,
               std::ostream& out, std::ostream& err);
};

// The subcommands in the order the usage and the help list them.
std::span<const Subcommand> Subcommands();

// The subcommand of that name; nullptr for a category or anything else.
const Subcommand* FindSubcommand(std::string_view name);

}  // namespace cli
