#include "engine/area_dimensions.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/evaluate.h"
#include "engine/whole_number.h"

namespace engine {

namespace {

// A product or sum is judged by its result, like every cell of a table: NaN
// is an invalid operation, an infinity is a value like any other.
struct Checked {
    double value = 0.0;
    EvalStatus status = EvalStatus::Ok;
};

Checked Judge(double value)
{
    if (std::isnan(value)) return {0.0, EvalStatus::InvalidOperation};
    return {value, EvalStatus::Ok};
}

class Computation {
public:
    Computation(const AreaDimensionsTable& table, DimensionBoxes& boxes, const NumberFormat& format,
                int maxNesting)
        : m_table(table), m_boxes(boxes), m_format(format), m_maxNesting(std::max(0, maxNesting))
    {}

    DimensionRun run()
    {
        m_stats.status = compute(0);
        return m_stats;
    }

private:
    EvalStatus compute(int level)
    {
        ++m_stats.runs;
        m_stats.deepestLevel = std::max(m_stats.deepestLevel, level);

        // Fields below 1 are emptied; an empty field reads as 0 but is not
        // written again, which is what ends the nesting.
        for (int k = 1; k <= kDimensionFields; ++k) {
            const ReadResult field = ReadValue(m_boxes.Box(k));
            if (!field) return field.status;
            if (field.value < 1.0)
                if (const EvalStatus status = write(k, std::string(), level);
                    status != EvalStatus::Ok)
                    return status;
        }

        // Length and width in the base unit: (a + b) + c, in that order.
        std::array<double, 2> sides{};
        const std::size_t parts = m_table.fieldFactors.size();
        for (std::size_t side = 0; side < sides.size(); ++side) {
            double sum = 0.0;
            for (std::size_t part = 0; part < parts; ++part) {
                const ReadResult field = ReadValue(m_boxes.Box(int(side * parts + part + 1)));
                if (!field) return field.status;
                const Checked inBase = Judge(field.value * m_table.fieldFactors[part]);
                if (inBase.status != EvalStatus::Ok) return inBase.status;
                // 0 + a is a exactly, so the sum keeps the order (a + b) + c.
                const Checked total = Judge(sum + inBase.value);
                if (total.status != EvalStatus::Ok) return total.status;
                sum = total.value;
            }
            sides[side] = sum;
        }
        if (const EvalStatus status = write(7, FormatValue(sides[0], m_format), level);
            status != EvalStatus::Ok)
            return status;
        if (const EvalStatus status = write(8, FormatValue(sides[1], m_format), level);
            status != EvalStatus::Ok)
            return status;

        // Box 9 multiplies the two texts as ReadValue reads them.
        const ReadResult length = ReadValue(m_boxes.Box(7));
        if (!length) return length.status;
        const ReadResult width = ReadValue(m_boxes.Box(8));
        if (!width) return width.status;
        const Checked area = Judge(length.value * width.value);
        if (area.status != EvalStatus::Ok) return area.status;
        if (const EvalStatus status = write(9, FormatValue(area.value, m_format), level);
            status != EvalStatus::Ok)
            return status;

        // The results read boxes 7 and 8 back as whole numbers. Only a length
        // or width beyond the double range ("Infinity", or a 15-digit rounding
        // past the largest double) fails to read back, so that is an overflow.
        const ReadResult l = ReadWholeNumber(m_boxes.Box(7), m_format);
        const ReadResult w = ReadWholeNumber(m_boxes.Box(8), m_format);
        if (!l || !w) return EvalStatus::Overflow;
        for (int k = 1; k <= kDimensionResults; ++k) {
            const ConversionRule& cell = m_table.cells[std::size_t(k - 1)];
            const RuleResult widthSide = ApplyRule(cell, w.value);
            const RuleResult lengthSide = ApplyRule(cell, l.value);
            const Checked result = Judge(lengthSide.value * widthSide.value);
            for (const EvalStatus status : {widthSide.status, lengthSide.status, result.status})
                if (status != EvalStatus::Ok) {
                    m_stats.faultResult = k;
                    return status;
                }
            m_boxes.Result(k) = FormatValue(result.value, m_format);
        }
        return EvalStatus::Ok;
    }

    // A write that changes a box of the array is a change of that box, which
    // starts the computation again inside this one.
    EvalStatus write(int box, std::string text, int level)
    {
        std::string& current = m_boxes.Box(box);
        if (current == text) return EvalStatus::Ok;
        current = std::move(text);
        if (level >= m_maxNesting) return EvalStatus::Ok;
        return compute(level + 1);
    }

    const AreaDimensionsTable& m_table;
    DimensionBoxes& m_boxes;
    const NumberFormat& m_format;
    const int m_maxNesting;
    DimensionRun m_stats;
};

}  // namespace

DimensionRun RunAreaDimensions(const AreaDimensionsTable& table, DimensionBoxes& boxes,
                               const NumberFormat& format, int maxNesting)
{
    return Computation(table, boxes, format, maxNesting).run();
}

}  // namespace engine
