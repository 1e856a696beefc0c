#include "cli/subcommands.h"

#include <ostream>

#include "cli/convert.h"

namespace cli {

// Placeholders until the area and date computations exist.
int RunAreaMetric(std::span<const std::string_view>, bool, const engine::NumberFormat&,
                  std::ostream&, std::ostream& err)
{
    err << "tabrix-convert: area-metric is not available yet\n";
    return kExitUsage;
}

int RunAreaStandard(std::span<const std::string_view>, bool, const engine::NumberFormat&,
                    std::ostream&, std::ostream& err)
{
    err << "tabrix-convert: area-standard is not available yet\n";
    return kExitUsage;
}

int RunDays(std::span<const std::string_view>, std::ostream&, std::ostream& err)
{
    err << "tabrix-convert: days is not available yet\n";
    return kExitUsage;
}

}  // namespace cli
