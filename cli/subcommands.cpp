#include "cli/subcommands.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "cli/convert.h"
#include "engine/area_dimensions.h"
#include "engine/civil_date.h"
#include "engine/names.h"
#include "engine/value_text.h"
#include "tables/area_dimensions.h"
#include "tables/unit_finder.h"

namespace cli {

namespace {

int RunDaysWithoutOptions(std::span<const std::string_view> args, bool, const engine::NumberFormat&,
                          std::ostream& out, std::ostream& err)
{
    return RunDays(args, out, err);
}

constexpr Subcommand kAreaMetric{
    .name = "area-metric",
    .arguments = "LKM LM LCM WKM WM WCM",
    .summary = "area of a rectangle from a length and a width given in\n"
               "kilometres, metres and centimetres (\"\" for an empty field)",
    .tsv = true,
    .run = &RunAreaMetric,
};
constexpr Subcommand kAreaStandard{
    .name = "area-standard",
    .arguments = "LMI LYD LIN WMI WYD WIN",
    .summary = "the same in miles, yards and inches",
    .tsv = true,
    .run = &RunAreaStandard,
};
constexpr Subcommand kDays{
    .name = "days",
    .arguments = "MM/DD/YYYY MM/DD/YYYY",
    .summary = "days between two dates given as MM/DD/YYYY",
    .tsv = false,
    .run = &RunDaysWithoutOptions,
};
constexpr Subcommand kFind{
    .name = "find",
    .arguments = "QUERY",
    .summary = "the units a query names, best first, by caption, abbreviation,\n"
               "spoken name or singular, any case (\"torr\", \"760 torr\",\n"
               "\"5 km in mi\"); with --tsv one line per unit: category, tab,\n"
               "number, tab, caption, tab, abbreviation",
    .tsv = true,
    .run = &RunFind,
};
constexpr Subcommand kSubcommands[] = {kAreaMetric, kAreaStandard, kDays, kFind};

int RunAreaDimensions(const Subcommand& command, const engine::AreaDimensionsTable& table,
                      std::span<const std::string_view> args, bool tsv,
                      const engine::NumberFormat& format, std::ostream& out, std::ostream& err)
{
    const std::string_view name = command.name;
    if (args.size() != std::size_t(engine::kDimensionFields)) {
        err << "tabrix-convert: " << name << " takes six field texts: " << command.arguments
            << " (\"\" for an empty field)\n";
        return kExitUsage;
    }
    engine::DimensionBoxes boxes;
    for (int k = 1; k <= engine::kDimensionFields; ++k) {
        const std::string_view text = args[std::size_t(k - 1)];
        if (text.size() > engine::kMaxTypedText) {
            err << "tabrix-convert: " << name << ": field " << k << " has more than "
                << engine::kMaxTypedText << " characters\n";
            return kExitUsage;
        }
        boxes.Box(k) = std::string(text);
    }

    const engine::DimensionRun run = engine::RunAreaDimensions(table, boxes, format);
    // A fault leaves the results before its box written, and only those.
    const int lines = run.status == engine::EvalStatus::Ok ? engine::kDimensionResults
                                                           : std::max(run.faultResult - 1, 0);

    if (tsv) {
        for (int k = 1; k <= lines; ++k) out << k << '\t' << boxes.Result(k) << '\n';
    } else if (lines > 0) {
        std::size_t width = 4;
        for (std::string_view caption : table.resultCaptions)
            width = std::max(width, caption.size());
        auto pad = [&out, width](std::string_view text) {
            out << text << std::string(width - text.size() + 2, ' ');
        };
        pad("Unit");
        out << "Value\n";
        for (int k = 1; k <= lines; ++k) {
            pad(table.resultCaptions[std::size_t(k - 1)]);
            out << boxes.Result(k) << '\n';
        }
    }
    if (run.status != engine::EvalStatus::Ok) {
        err << "tabrix-convert: " << engine::Describe(run.status) << " (" << table.caption;
        if (run.faultResult > 0) err << ", unit " << run.faultResult << ")\n";
        else err << ", length and width)\n";
        return kExitFault;
    }
    return kExitOk;
}

}  // namespace

int RunAreaMetric(std::span<const std::string_view> args, bool tsv,
                  const engine::NumberFormat& format, std::ostream& out, std::ostream& err)
{
    return RunAreaDimensions(kAreaMetric, tables::MetricDimensionsTable(), args, tsv, format, out,
                             err);
}

int RunAreaStandard(std::span<const std::string_view> args, bool tsv,
                    const engine::NumberFormat& format, std::ostream& out, std::ostream& err)
{
    return RunAreaDimensions(kAreaStandard, tables::StandardDimensionsTable(), args, tsv, format,
                             out, err);
}

int RunDays(std::span<const std::string_view> args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 2) {
        err << "tabrix-convert: " << kDays.name << " takes two dates: " << kDays.arguments << '\n';
        return kExitUsage;
    }
    engine::CivilDate dates[2];
    for (std::size_t i = 0; i < 2; ++i) {
        const auto date = engine::ParseUsDate(args[i]);
        if (!date) {
            err << "tabrix-convert: " << kDays.name << ": \"" << args[i]
                << "\" is not a valid date: MM/DD/YYYY, a day that exists, years 0001 to 9999\n";
            return kExitUsage;
        }
        dates[i] = *date;
    }
    // The count is a whole number, so the decimal separator never shows.
    out << engine::DifferenceSentence(dates[0], dates[1], engine::NumberFormat{}) << '\n';
    return kExitOk;
}

int RunFind(std::span<const std::string_view> args, bool tsv, const engine::NumberFormat&,
            std::ostream& out, std::ostream& err)
{
    if (args.empty()) {
        err << "tabrix-convert: " << kFind.name << " takes a query: " << kFind.arguments << '\n';
        return kExitUsage;
    }
    // Unquoted words are one query: tabrix-convert find 760 torr.
    std::string query(args.front());
    for (std::string_view word : args.subspan(1)) (query += ' ') += word;

    const std::vector<tables::UnitMatch> matches = tables::FindUnits(query);
    if (matches.empty()) {
        err << "tabrix-convert: no unit matches " << Quoted(query) << '\n';
        return kExitNoMatch;
    }
    std::vector<std::array<std::string, 4>> rows;
    for (const tables::UnitMatch& match : matches) {
        const engine::UnitDef& unit = match.table->Unit(match.unit);
        rows.push_back({std::string(match.table->caption), std::to_string(match.unit),
                        engine::WithoutAccelerator(unit.caption), std::string(unit.abbreviation)});
    }
    if (tsv) {
        for (const auto& row : rows)
            out << row[0] << '\t' << row[1] << '\t' << row[2] << '\t' << row[3] << '\n';
        return kExitOk;
    }
    std::array<std::string, 4> heading = {"Category", "No.", "Unit", "Abbr"};
    std::array<std::size_t, 3> widths{};
    for (std::size_t c = 0; c < widths.size(); ++c) {
        widths[c] = heading[c].size();
        for (const auto& row : rows) widths[c] = std::max(widths[c], row[c].size());
    }
    rows.insert(rows.begin(), std::move(heading));
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < widths.size(); ++c)
            out << row[c] << std::string(widths[c] - row[c].size() + 2, ' ');
        out << row[3] << '\n';
    }
    return kExitOk;
}

std::span<const Subcommand> Subcommands() { return kSubcommands; }

const Subcommand* FindSubcommand(std::string_view name)
{
    for (const Subcommand& command : kSubcommands)
        if (command.name == name) return &command;
    return nullptr;
}

}  // namespace cli
