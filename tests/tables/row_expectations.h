#pragma once

// Helpers for the category table tests: evaluate one row of a table as a
// window would, and compare the writes with the texts the user must see.
// Everything lives in an unnamed namespace so that each test file gets its
// own copy and no helper can clash with another test's.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/evaluate.h"
#include "engine/unit_table.h"
#include "engine/value_text.h"

namespace {

const engine::NumberFormat kPointFormat{".", ","};

class RecordingSink : public engine::EvalSink {
public:
    void Echo(std::string_view abbreviation) override { echoes.emplace_back(abbreviation); }
    void Result(int target, std::string_view text) override
    {
        targets.push_back(target);
        boxes[target] = std::string(text);
    }

    std::vector<std::string> echoes;
    std::vector<int> targets;  // in the order written
    std::map<int, std::string> boxes;
};

struct BoxText {
    int box;
    const char* text;
};

struct RowCase {
    int source;
    const char* typed;
    const char* echo;  // nullptr where the case says nothing about the echo
    std::vector<BoxText> boxes;
};

inline RecordingSink EvaluateRow(const engine::UnitTable& table, int source, const char* typed)
{
    RecordingSink sink;
    EXPECT_EQ(engine::Evaluate(table, source, typed, kPointFormat, sink), engine::EvalStatus::Ok);
    return sink;
}

// Checks one evaluation: a single echo, every box written once in ascending
// order, and the listed boxes showing exactly the listed texts.
inline void ExpectRow(const engine::UnitTable& table, const RowCase& c)
{
    SCOPED_TRACE(testing::Message() << table.caption << " source " << c.source << " typed \""
                                    << c.typed << "\"");
    const RecordingSink sink = EvaluateRow(table, c.source, c.typed);
    ASSERT_EQ(sink.echoes.size(), 1u);
    if (c.echo) {
        EXPECT_EQ(sink.echoes[0], c.echo);
    }
    std::vector<int> ascending;
    for (int j = 1; j <= int(table.size); ++j) ascending.push_back(j);
    EXPECT_EQ(sink.targets, ascending);
    for (const BoxText& b : c.boxes) {
        SCOPED_TRACE(testing::Message() << "box " << b.box);
        const auto it = sink.boxes.find(b.box);
        ASSERT_NE(it, sink.boxes.end());
        EXPECT_EQ(it->second, b.text);
    }
}

struct DivisionCell {
    int source;
    int target;
    double divisor;
};

// The few cells that divide by their reverse cell's factor must stay
// divisions: v / c and v * (1 / c) can differ in the last digit.
inline void ExpectDivisionsExactlyAt(const engine::UnitTable& table,
                                     const std::vector<DivisionCell>& divisions)
{
    std::map<std::pair<int, int>, double> expected;
    for (const DivisionCell& d : divisions) expected[{d.source, d.target}] = d.divisor;
    const int n = int(table.size);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) {
            SCOPED_TRACE(testing::Message() << table.caption << " cell " << i << "," << j);
            const engine::ConversionRule& rule = table.RuleAt(i, j);
            const auto it = expected.find({i, j});
            if (it == expected.end()) {
                for (int s = 0; s < rule.count; ++s)
                    EXPECT_NE(rule.steps[std::size_t(s)].op, engine::Op::Div);
                continue;
            }
            ASSERT_EQ(rule.count, 1);
            EXPECT_EQ(rule.steps[0].op, engine::Op::Div);
            EXPECT_EQ(rule.steps[0].k, it->second);
        }
}

}  // namespace
