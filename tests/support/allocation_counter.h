#pragma once

namespace tabrix_test {

// Global allocations made so far by this program. Linking the counter
// replaces the global operator new, so every allocation is counted.
long AllocationCount();

}  // namespace tabrix_test
