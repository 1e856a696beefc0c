#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/convert.h"

namespace {

struct Outcome {
    int status;
    std::string out, err;
};

Outcome RunCli(std::vector<std::string_view> args, const engine::NumberFormat& format = {})
{
    std::ostringstream out, err;
    const int status = cli::Run(args, format, out, err);
    return {status, out.str(), err.str()};
}

TEST(Convert, PrintsOneTabSeparatedLinePerUnit)
{
    const Outcome r = RunCli({"temperature", "2", "1", "--tsv"});
    EXPECT_EQ(r.status, cli::kExitOk);
    EXPECT_EQ(r.out, "1\t33.8\n2\t1\n3\t274.16\n");
    EXPECT_EQ(r.err, "");
}

TEST(Convert, NamesTheUnitByNumberAbbreviationOrCaption)
{
    for (std::string_view from : {"2", "*C", "c", "celsius", "CELSIUS", "02"}) {
        SCOPED_TRACE(from);
        const Outcome r = RunCli({"Temperature", from, "1", "--tsv"});
        EXPECT_EQ(r.status, cli::kExitOk);
        EXPECT_EQ(r.out, "1\t33.8\n2\t1\n3\t274.16\n");
    }
}

TEST(Convert, ReadsTheValueAsTheValueBoxDoes)
{
    const struct {
        const char* value;
        const char* out;
    } cases[] = {
        {"-40", "1\t-40\n2\t-40\n3\t233.1599996\n"},
        {"", "1\t0\n2\t-17.7777777777778\n3\t255.382222\n"},
        {"32abc", "1\t32\n2\t0\n3\t273.15999992\n"},
        {" 2 1 2", "1\t212\n2\t100\n3\t373.16000072\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const Outcome r = RunCli({"temperature", "1", c.value, "--tsv"});
        EXPECT_EQ(r.status, cli::kExitOk);
        EXPECT_EQ(r.out, c.out);
    }
}

TEST(Convert, WritesTheRegionalDecimalSeparator)
{
    const Outcome r = RunCli({"temperature", "1", "212", "--tsv"}, {",", "."});
    EXPECT_EQ(r.out, "1\t212\n2\t100\n3\t373,16000072\n");
}

TEST(Convert, DefaultOutputIsAnAlignedTable)
{
    const Outcome r = RunCli({"temperature", "k", "0"});
    EXPECT_EQ(r.status, cli::kExitOk);
    EXPECT_EQ(r.out,
              "Unit        Abbr  Value\n"
              "Fahrenheit  *F    -459.688\n"
              "Celsius     *C    -273.16\n"
              "Kelvin      *K    0\n");
}

TEST(Convert, AValueBeyondTheRangeIsAFault)
{
    const Outcome r = RunCli({"temperature", "1", "1e400", "--tsv"});
    EXPECT_EQ(r.status, cli::kExitFault);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Temperature"), std::string::npos);
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
}

TEST(Convert, RefusesBadArgumentsWithUsageStatus)
{
    const struct {
        std::vector<std::string_view> args;
        const char* mentions;
    } cases[] = {
        {{}, "Usage"},
        {{"temperature"}, "a unit and a value"},
        {{"temperature", "1"}, "a value is needed"},
        {{"temperature", "1", "2", "3"}, "too many"},
        {{"lengthiness", "1", "2"}, "Temperature"},
        {{"temperature", "4", "2"}, "Kelvin"},
        {{"temperature", "0", "2"}, "no unit 0"},
        {{"temperature", "99999999999999999999", "2"}, "Fahrenheit"},
        {{"temperature", "rankine", "2"}, "Celsius"},
        {{"temperature", "1", "2", "--price", "3"}, "no prices"},
        {{"temperature", "1", "2", "--price"}, "needs a price"},
        {{"temperature", "1", "2", "--colour"}, "--colour"},
        {{"days", "--tsv"}, "--tsv"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mentions);
        const Outcome r = RunCli(c.args);
        EXPECT_EQ(r.status, cli::kExitUsage);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(c.mentions), std::string::npos) << r.err;
    }
}

TEST(Convert, HelpAndListGoToStandardOutput)
{
    const Outcome help = RunCli({"--help"});
    EXPECT_EQ(help.status, cli::kExitOk);
    EXPECT_NE(help.out.find("--price"), std::string::npos);
    const Outcome list = RunCli({"--list"});
    EXPECT_EQ(list.status, cli::kExitOk);
    EXPECT_NE(list.out.find("Temperature\n   1  Fahrenheit (*F)\n"), std::string::npos);
}

TEST(LocaleFormat, FollowsTheLocaleName)
{
    const struct {
        const char* name;
        const char* decimal;
        const char* group;
    } cases[] = {
        {"C", ".", ","},           {"POSIX", ".", ","},         {"", ".", ","},
        {"de_DE.UTF-8", ",", "."}, {"de_DE.UTF-8@euro", ",", "."}, {"en_US.UTF-8", ".", ","},
        {"fr_FR", ",", "\u202f"},  {"de_CH", ".", "\u2019"},    {"xx_YY", ".", ","},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const engine::NumberFormat format = cli::FormatForLocaleName(c.name);
        EXPECT_EQ(format.decimal, c.decimal);
        EXPECT_EQ(format.group, c.group);
    }
}

}  // namespace
