#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace engine {

// One arithmetic step of a rule; AddSelf is v + v.
enum class Op : unsigned char { Mul, Div, Add, Sub, AddSelf };
struct Step {
    Op op = Op::Mul;
    double k = 0.0;
};

inline constexpr std::size_t kMaxSteps = 4;

// One cell of a matrix: steps applied left to right, each one double operation.
struct ConversionRule {
    std::array<Step, kMaxSteps> steps{};
    int count = -1;  // 0 steps: identity; -1: never written (a hole in a table)
};

constexpr Step Mul(double k) { return {Op::Mul, k}; }
constexpr Step Div(double k) { return {Op::Div, k}; }
constexpr Step Add(double k) { return {Op::Add, k}; }
constexpr Step Sub(double k) { return {Op::Sub, k}; }
constexpr Step AddSelf() { return {Op::AddSelf, 0.0}; }

template <typename... S>
constexpr ConversionRule Cell(S... steps)
{
    static_assert(sizeof...(S) <= kMaxSteps, "raise kMaxSteps");
    return {{{steps...}}, int(sizeof...(S))};
}

struct UnitDef {
    std::string_view caption;       // option caption; "&" marks the accelerator
    std::string_view abbreviation;  // shown beside the result box and echoed
    std::string_view spoken;        // as a screen reader says it: "degrees Fahrenheit"
};

// How a table's cells are read. Linear: the cell's steps turn the value into
// the target unit. SquareSide: the value is an area; each cell is a single
// length factor applied to the side of the square, and the box gets its square.
enum class Evaluation : unsigned char { Linear, SquareSide };

struct UnitTable {
    std::string_view caption;
    const UnitDef* units = nullptr;
    std::size_t size = 0;
    const ConversionRule* cells = nullptr;       // size × size, row-major
    const ConversionRule* priceCells = nullptr;  // size × size, or none
    Evaluation evaluation = Evaluation::Linear;

    // Units are numbered from 1, like the controls that show them.
    constexpr const UnitDef& Unit(int index) const { return units[index - 1]; }
    constexpr const ConversionRule& RuleAt(int source, int target) const
    {
        return cells[std::size_t(source - 1) * size + std::size_t(target - 1)];
    }
    constexpr const ConversionRule& PriceRuleAt(int source, int target) const
    {
        return priceCells[std::size_t(source - 1) * size + std::size_t(target - 1)];
    }
    constexpr bool HasPrices() const { return priceCells != nullptr; }
};

// C++ quietly fills a short row with default cells, which keep count -1.
template <std::size_t N>
constexpr bool IsComplete(const ConversionRule (&rules)[N][N])
{
    for (const auto& row : rules)
        for (const ConversionRule& cell : row)
            if (cell.count < 0) return false;
    return true;
}

// One flat array, so indexing never steps from one row's array into the next.
template <std::size_t N>
constexpr std::array<ConversionRule, N * N> Flatten(const ConversionRule (&rules)[N][N])
{
    std::array<ConversionRule, N * N> cells{};
    for (std::size_t i = 0; i < N * N; ++i) cells[i] = rules[i / N][i % N];
    return cells;
}

template <std::size_t N>  // N comes from the units, so the sizes must agree
constexpr UnitTable MakeTable(std::string_view caption, const UnitDef (&units)[N],
                              const std::array<ConversionRule, N * N>& cells)
{
    return {caption, units, N, cells.data(), nullptr, Evaluation::Linear};
}

template <std::size_t N>
constexpr UnitTable MakePriceTable(std::string_view caption, const UnitDef (&units)[N],
                                   const std::array<ConversionRule, N * N>& cells,
                                   const std::array<ConversionRule, N * N>& prices)
{
    return {caption, units, N, cells.data(), prices.data(), Evaluation::Linear};
}

template <std::size_t N>
constexpr UnitTable MakeSquareSideTable(std::string_view caption, const UnitDef (&units)[N],
                                        const std::array<ConversionRule, N * N>& cells)
{
    return {caption, units, N, cells.data(), nullptr, Evaluation::SquareSide};
}

}  // namespace engine
