#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/evaluate.h"
#include "engine/price.h"
#include "recording_sink.h"

namespace tabrix_test {

inline const engine::NumberFormat kPointFormat{".", ","};

// The writes of one evaluation, in the order the sink received them.
struct Run {
    engine::EvalStatus status = engine::EvalStatus::Ok;
    std::vector<std::string> writes;

    // The text written for target k ("" when nothing was), skipping the echo
    // and the side, which carry no "k=" prefix.
    std::string At(int target) const
    {
        const std::string prefix = std::to_string(target) + "=";
        for (const std::string& w : writes)
            if (w.rfind(prefix, 0) == 0) return w.substr(prefix.size());
        return {};
    }
};

inline Run Convert(const engine::UnitTable& table, int source, std::string_view typed)
{
    RecordingSink sink;
    const engine::EvalStatus status = engine::Evaluate(table, source, typed, kPointFormat, sink);
    return {status, sink.writes};
}

inline Run Price(const engine::UnitTable& table, int source, std::string_view typed)
{
    RecordingSink sink;
    const engine::EvalStatus status = engine::EvaluatePrice(table, source, typed, kPointFormat, sink);
    return {status, sink.writes};
}

// One expected box or label: source unit, typed text, target unit, its text.
struct CellCase {
    int source;
    const char* typed;
    int target;
    const char* text;
};

}  // namespace tabrix_test
