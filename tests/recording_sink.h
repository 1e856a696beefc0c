#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/evaluate.h"
#include "engine/price.h"

namespace tabrix_test {

// Records every write of an evaluation as "abbreviation", "k=text",
// "side=text", or a price label as "k=text".
struct RecordingSink : engine::EvalSink, engine::PriceSink {
    std::vector<std::string> writes;
    void Echo(std::string_view abbreviation) override { writes.emplace_back(abbreviation); }
    void Result(int target, std::string_view text) override
    {
        writes.push_back(std::to_string(target) + "=" + std::string(text));
    }
    void Side(std::string_view text) override { writes.push_back("side=" + std::string(text)); }
    void Price(int target, std::string_view text) override
    {
        writes.push_back(std::to_string(target) + "=" + std::string(text));
    }
};

}  // namespace tabrix_test
