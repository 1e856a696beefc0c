#include "cli/convert.h"

#include <ostream>

namespace cli {

int Run(std::span<const std::string_view>, const engine::NumberFormat&, std::ostream&,
        std::ostream& err)
{
    err << "tabrix-convert: not ready\n";
    return kExitUsage;
}

}  // namespace cli
