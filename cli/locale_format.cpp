#include "cli/convert.h"

namespace cli {

engine::NumberFormat FormatFromEnvironment() { return {}; }

}  // namespace cli
