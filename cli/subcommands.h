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

}  // namespace cli
