#include "cli/subcommands.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/convert.h"
#include "tests/number_formats.h"

using tabrix_test::kCommaFormat;
using tabrix_test::kPointFormat;

namespace {

struct Outcome {
    int status = -1;
    std::string out, err;
};

using Runner = int (*)(std::span<const std::string_view>, bool, const engine::NumberFormat&,
                       std::ostream&, std::ostream&);

Outcome RunArea(Runner runner, std::vector<std::string_view> args, bool tsv,
                const engine::NumberFormat& format = kPointFormat)
{
    std::ostringstream out, err;
    Outcome outcome;
    outcome.status = runner(args, tsv, format, out, err);
    outcome.out = out.str();
    outcome.err = err.str();
    return outcome;
}

Outcome RunDays(std::vector<std::string_view> args)
{
    std::ostringstream out, err;
    Outcome outcome;
    outcome.status = cli::RunDays(args, out, err);
    outcome.out = out.str();
    outcome.err = err.str();
    return outcome;
}

TEST(AreaMetricCommand, WritesTheTenResultBoxesAsTsv)
{
    const Outcome o = RunArea(cli::RunAreaMetric, {"", "1", "", "", "2", ""}, true);
    ASSERT_EQ(o.status, cli::kExitOk) << o.err;
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(o.out.substr(0, 20), "1\t2000000\n2\t20000\n3\t");
    EXPECT_NE(o.out.find("\n6\t2\n"), std::string::npos);
    EXPECT_NE(o.out.find("\n9\t2E-06\n"), std::string::npos);
    EXPECT_EQ(std::count(o.out.begin(), o.out.end(), '\n'), 10);
}

TEST(AreaStandardCommand, WritesCaptionsAlignedByDefault)
{
    const Outcome o = RunArea(cli::RunAreaStandard, {"", "1", "", "", "1", ""}, false);
    ASSERT_EQ(o.status, cli::kExitOk) << o.err;
    EXPECT_TRUE(o.out.starts_with("Unit             Value\n"
                                  "sq. Millimeters  836127.36\n"
                                  "sq. Centimeters  8361.2736\n"))
        << o.out;
    EXPECT_NE(o.out.find("\nsq. Inches       1296\nsq. Feet         9\nsq. Yards        1\n"),
              std::string::npos);
    EXPECT_NE(o.out.find("\nsq. Acres        "), std::string::npos);
}

TEST(AreaCommands, TreatFieldsBelowOneAndTextAsEmpty)
{
    // "0.5", "abc" and "" all count as 0; "1e3" yards is read as 1000.
    const Outcome typed = RunArea(cli::RunAreaStandard, {"0.5", "1e3", "abc", "", "1", "-3"}, true);
    const Outcome plain = RunArea(cli::RunAreaStandard, {"", "1000", "", "", "1", ""}, true);
    ASSERT_EQ(typed.status, cli::kExitOk);
    EXPECT_EQ(typed.out, plain.out);
    EXPECT_NE(typed.out.find("\n5\t1000\n"), std::string::npos);
}

TEST(AreaCommands, AllEmptyFieldsGiveZeros)
{
    const Outcome o = RunArea(cli::RunAreaMetric, {"", "", "", "", "", ""}, true);
    ASSERT_EQ(o.status, cli::kExitOk);
    EXPECT_EQ(o.out, "1\t0\n2\t0\n3\t0\n4\t0\n5\t0\n6\t0\n7\t0\n8\t0\n9\t0\n10\t0\n");
}

TEST(AreaCommands, UseTheRegionalDecimalSeparator)
{
    const Outcome o =
        RunArea(cli::RunAreaMetric, {"", "1", "5", "", "", "1.5"}, true, kCommaFormat);
    ASSERT_EQ(o.status, cli::kExitOk) << o.err;
    EXPECT_NE(o.out.find("\n2\t157,5\n"), std::string::npos);
}

TEST(AreaCommands, RefuseAWrongNumberOfFields)
{
    for (const auto& args :
         {std::vector<std::string_view>{}, std::vector<std::string_view>{"1", "2", "3", "4", "5"},
          std::vector<std::string_view>{"1", "2", "3", "4", "5", "6", "7"}}) {
        const Outcome o = RunArea(cli::RunAreaMetric, args, false);
        EXPECT_EQ(o.status, cli::kExitUsage);
        EXPECT_EQ(o.out, "");
        EXPECT_NE(o.err.find("LKM LM LCM WKM WM WCM"), std::string::npos);
    }
    const Outcome o = RunArea(cli::RunAreaStandard, {"1"}, false);
    EXPECT_EQ(o.status, cli::kExitUsage);
    EXPECT_NE(o.err.find("LMI LYD LIN WMI WYD WIN"), std::string::npos);
}

TEST(AreaCommands, RefuseAFieldLongerThanTheWindowHolds)
{
    const Outcome o =
        RunArea(cli::RunAreaMetric, {"", "", "1234567890123456789012", "", "", ""}, false);
    EXPECT_EQ(o.status, cli::kExitUsage);
    EXPECT_EQ(o.out, "");
    EXPECT_NE(o.err.find("field 3"), std::string::npos);
    EXPECT_EQ(
        RunArea(cli::RunAreaMetric, {"", "", "123456789012345678901", "", "", ""}, false).status,
        cli::kExitOk);
}

TEST(AreaCommands, ReportFaultsWithoutResults)
{
    const struct {
        std::vector<std::string_view> args;
        const char* message;
    } cases[] = {
        // A field beyond a double, an infinite length: no result is reached.
        {{"1e400", "", "", "", "", ""}, "too large to compute (Area - Metric, length and width)"},
        {{"1e304", "", "", "", "1", ""}, "too large to compute (Area - Metric, length and width)"},
        // 1.5E+308 cm is finite, in millimetres it is not; times a zero width.
        {{"", "", "1.5e308", "", "", ""}, "no valid number (Area - Metric, unit 1)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0]);
        const Outcome o = RunArea(cli::RunAreaMetric, c.args, true);
        EXPECT_EQ(o.status, cli::kExitFault);
        EXPECT_EQ(o.out, "");
        EXPECT_NE(o.err.find(c.message), std::string::npos) << o.err;
    }
}

TEST(DaysCommand, PrintsTheDifferenceSentence)
{
    const struct {
        std::string_view first, second;
        const char* out;
    } cases[] = {
        {"03/01/2024", "02/28/2024", "The difference between your dates is 2 days.\n"},
        {"02/28/2024", "03/01/2024",
         "The difference between your first and second date is 2 days.\n"},
        {"01/01/2000", "12/31/1999", "The difference between your dates is 1 days.\n"},
        {"12/07/2026", "12/07/2026",
         "The difference between your first and second date is 0 days.\n"},
        {"1/5/2026", "01/05/2027",
         "The difference between your first and second date is 365 days.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.out);
        const Outcome o = RunDays({c.first, c.second});
        EXPECT_EQ(o.status, cli::kExitOk);
        EXPECT_EQ(o.out, c.out);
        EXPECT_EQ(o.err, "");
    }
}

TEST(DaysCommand, RefusesBadDatesAsUsageErrors)
{
    for (std::string_view bad : {"02/30/2024", "13/01/2024", "2024-03-01", "03/01/24", "", "today",
                                 "02/29/2023", "00/01/2024"}) {
        SCOPED_TRACE(bad);
        const Outcome o = RunDays({"03/01/2024", bad});
        EXPECT_EQ(o.status, cli::kExitUsage);
        EXPECT_EQ(o.out, "");
        EXPECT_NE(o.err.find('"' + std::string(bad) + '"'), std::string::npos) << o.err;
    }
}

TEST(DaysCommand, RefusesAWrongNumberOfDates)
{
    for (const auto& args :
         {std::vector<std::string_view>{}, std::vector<std::string_view>{"03/01/2024"},
          std::vector<std::string_view>{"03/01/2024", "03/01/2024", "03/01/2024"}}) {
        const Outcome o = RunDays(args);
        EXPECT_EQ(o.status, cli::kExitUsage);
        EXPECT_NE(o.err.find("MM/DD/YYYY"), std::string::npos);
    }
}

// Every subcommand row is reached by name from the command line and shown
// in the usage with the arguments its own messages name.
TEST(Subcommands, EachRowIsDispatchedAndListed)
{
    std::ostringstream help, ignored;
    ASSERT_EQ(cli::Run(std::vector<std::string_view>{"--help"}, kPointFormat, help, ignored),
              cli::kExitOk);
    for (const cli::Subcommand& command : cli::Subcommands()) {
        SCOPED_TRACE(std::string(command.name));
        EXPECT_EQ(cli::FindSubcommand(command.name), &command);
        const std::string usage =
            "tabrix-convert " + std::string(command.name) + ' ' + std::string(command.arguments);
        EXPECT_NE(help.str().find(usage), std::string::npos);

        std::ostringstream out, err;
        const std::vector<std::string_view> args{command.name};
        EXPECT_EQ(cli::Run(args, kPointFormat, out, err), cli::kExitUsage);
        const std::string message = err.str();
        EXPECT_EQ(message.rfind("tabrix-convert: " + std::string(command.name) + ' ', 0), 0u)
            << message;
        EXPECT_NE(message.find(command.arguments), std::string::npos) << message;
    }
    EXPECT_EQ(cli::FindSubcommand("distance"), nullptr);
}

}  // namespace
