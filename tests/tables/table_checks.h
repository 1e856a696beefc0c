#pragma once

// Helpers for the category table tests: evaluate a row or price a row as a
// window would, and compare what was written with the texts the user must see.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/evaluate.h"
#include "engine/price.h"
#include "engine/unit_table.h"
#include "engine/value_text.h"
#include "tests/number_formats.h"
#include "tests/recording_sink.h"

namespace tabrix_test {

using Writes = std::vector<std::string>;

// One evaluation: its status and every write, in the order it was made.
struct RowRun {
    engine::EvalStatus status = engine::EvalStatus::Ok;
    Writes writes;

    // The echoes, in order; neither the side nor a "k=" text is one.
    Writes Echoes() const
    {
        Writes echoes;
        for (const std::string& w : writes)
            if (TargetOf(w) == 0 && w.rfind("side=", 0) != 0) echoes.push_back(w);
        return echoes;
    }

    // The targets of the box texts or price labels, in the order written.
    std::vector<int> Targets() const
    {
        std::vector<int> targets;
        for (const std::string& w : writes)
            if (const int target = TargetOf(w)) targets.push_back(target);
        return targets;
    }

    // Every box text or price label by its target.
    std::map<int, std::string> Boxes() const
    {
        std::map<int, std::string> boxes;
        for (const std::string& w : writes)
            if (const int target = TargetOf(w)) boxes[target] = w.substr(w.find('=') + 1);
        return boxes;
    }

    // The text written for `target`; a failure when nothing was.
    std::string At(int target) const
    {
        const auto boxes = Boxes();
        const auto it = boxes.find(target);
        if (it != boxes.end()) return it->second;
        ADD_FAILURE() << "nothing written for target " << target;
        return {};
    }

private:
    // The k of a "k=text" write, 0 for an echo or the side.
    static int TargetOf(std::string_view write)
    {
        const std::size_t equals = write.find('=');
        if (equals == 0 || equals == std::string_view::npos) return 0;
        int target = 0;
        for (const char c : write.substr(0, equals)) {
            if (c < '0' || c > '9') return 0;
            target = target * 10 + (c - '0');
        }
        return target;
    }
};

inline RowRun Convert(const engine::UnitTable& table, int source, std::string_view typed)
{
    RecordingSink sink;
    const engine::EvalStatus status = engine::Evaluate(table, source, typed, kPointFormat, sink);
    return {status, sink.writes};
}

inline RowRun Price(const engine::UnitTable& table, int source, std::string_view typed)
{
    RecordingSink sink;
    const engine::EvalStatus status =
        engine::EvaluatePrice(table, source, typed, kPointFormat, sink);
    return {status, sink.writes};
}

// The target of a cell that checks the echo rather than a box.
constexpr int kEcho = 0;

// One expected box text, price label or echo: the source unit, the text typed
// into it, the target unit (or kEcho) and the text that target must show.
struct Cell {
    int source;
    std::string typed;
    int target;
    std::string text;
};

// One evaluation and every write it must make, in order.
struct RowWrites {
    int source;
    std::string typed;
    Writes writes;
};

namespace detail {

inline std::vector<int> OneToN(const engine::UnitTable& table)
{
    std::vector<int> targets;
    for (int j = 1; j <= int(table.size); ++j) targets.push_back(j);
    return targets;
}

inline void ExpectCellsOf(const engine::UnitTable& table, const std::vector<Cell>& cells,
                          bool prices)
{
    for (const Cell& c : cells) {
        SCOPED_TRACE(testing::Message() << table.caption << (prices ? " price " : " ") << c.source
                                        << " -> " << c.target << " of \"" << c.typed << "\"");
        const RowRun run = (prices ? Price : Convert)(table, c.source, c.typed);
        ASSERT_EQ(run.status, engine::EvalStatus::Ok);
        // Every evaluation writes one echo (a price none), then each target
        // once in ascending order.
        const Writes echoes = run.Echoes();
        ASSERT_EQ(echoes.size(), prices ? 0u : 1u);
        EXPECT_EQ(run.Targets(), OneToN(table));
        EXPECT_EQ(c.target == kEcho ? echoes.at(0) : run.At(c.target), c.text);
    }
}

inline void ExpectWritesOf(const engine::UnitTable& table, const std::vector<RowWrites>& rows,
                           bool prices)
{
    for (const RowWrites& r : rows) {
        SCOPED_TRACE(testing::Message() << table.caption << (prices ? " price " : " ") << r.source
                                        << " of \"" << r.typed << "\"");
        const RowRun run = (prices ? Price : Convert)(table, r.source, r.typed);
        ASSERT_EQ(run.status, engine::EvalStatus::Ok);
        EXPECT_EQ(run.writes, r.writes);
    }
}

}  // namespace detail

// Evaluates each cell's row and checks the echo, the order of the writes and
// the cell's text.
inline void ExpectCells(const engine::UnitTable& table, const std::vector<Cell>& cells)
{
    detail::ExpectCellsOf(table, cells, false);
}

// Prices each cell's row and checks the order of the labels and the cell's.
inline void ExpectPrices(const engine::UnitTable& table, const std::vector<Cell>& cells)
{
    ASSERT_TRUE(table.HasPrices()) << table.caption;
    detail::ExpectCellsOf(table, cells, true);
}

// Evaluates each row and checks every write it makes, in order.
inline void ExpectWrites(const engine::UnitTable& table, const std::vector<RowWrites>& rows)
{
    detail::ExpectWritesOf(table, rows, false);
}

// Prices each row and checks every label it writes, in order.
inline void ExpectPriceWrites(const engine::UnitTable& table, const std::vector<RowWrites>& rows)
{
    detail::ExpectWritesOf(table, rows, true);
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

}  // namespace tabrix_test
