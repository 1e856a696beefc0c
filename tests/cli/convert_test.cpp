#include <gtest/gtest.h>

#include <cstdlib>
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

// A sample of every kind of table, through the whole command.
TEST(Convert, ServesEveryCategory)
{
    const struct {
        std::vector<std::string_view> args;
        const char* out;
    } cases[] = {
        {{"distance", "mi", "1", "--price", "2", "--tsv"},
         "1\t1609344\t$0.00\n2\t160934.4\t$0.00\n3\t63360\t$0.00\n4\t5280\t$0.00\n"
         "5\t1760\t$0.00\n6\t1609.344\t$0.00\n7\t320\t$0.01\n8\t8\t$0.25\n"
         "9\t1.609344\t$1.24\n10\t1\t$2.00\n11\t0.86956521739\t$2.30\n"},
        {{"liquid", "gal", "1", "--tsv"},
         "1\t3785.411784\n2\t3.785411784\n3\t768\n4\t256\n5\t128\n6\t16\n7\t8\n"
         "8\t4\n9\t1\n10\t133.2278104\n11\t13.32278104\n12\t6.66139052\n"
         "13\t3.33069526\n14\t0.832673818\n"},
        {{"AREA", "sq. mm", "100", "--tsv"},
         // (10 × c)² for each length factor c of the square-millimetre row
         "1\t100\n2\t1\n3\t0.15500030999938\n4\t0.00107639104166236\n"
         "5\t0.000119599004556244\n6\t0.0001\n7\t3.953682861769E-06\n"
         "8\t2.470984681E-09\n9\t1E-10\n10\t3.86102158496049E-11\n"
         "11\t2.91553349645938E-11\n"},
        {{"area", "1", "-5", "--tsv"},
         "1\t0\n2\t0\n3\t0\n4\t0\n5\t0\n6\t0\n7\t0\n8\t0\n9\t0\n10\t0\n11\t0\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0]);
        const Outcome r = RunCli(c.args);
        EXPECT_EQ(r.status, cli::kExitOk) << r.err;
        EXPECT_EQ(r.out, c.out);
    }
}

TEST(Convert, APriceBeyondTheRangeStopsAtItsLabel)
{
    const Outcome r = RunCli({"distance", "mm", "1", "--price", "1e302", "--tsv"});
    EXPECT_EQ(r.status, cli::kExitFault);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 10);
    EXPECT_NE(r.err.find("price per unit 11"), std::string::npos) << r.err;
}

TEST(Convert, RefusesAnAmbiguousUnitListingTheCandidates)
{
    const Outcome r = RunCli({"energy", "BTU", "1"});
    EXPECT_EQ(r.status, cli::kExitUsage);
    for (const char* unit : {"\n  5  ", "\n  6  ", "\n  7  "})
        EXPECT_NE(r.err.find(unit), std::string::npos) << r.err;
    EXPECT_EQ(RunCli({"energy", "5", "1"}).status, cli::kExitOk);
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
    EXPECT_EQ(r.out, "Unit        Abbr  Value\n"
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
        {{"temperature", "1", "2", "--", "-h"}, "too many"},  // after "--", "-h" is a value
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
        {"C", ".", ","},
        {"POSIX", ".", ","},
        {"", ".", ","},
        {"de_DE.UTF-8", ",", "."},
        {"de_DE.UTF-8@euro", ",", "."},
        {"en_US.UTF-8", ".", ","},
        {"fr_FR", ",", "\u202f"},
        {"de_CH", ".", "\u2019"},
        {"xx_YY", ".", ","},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const engine::NumberFormat format = cli::FormatForLocaleName(c.name);
        EXPECT_EQ(format.decimal, c.decimal);
        EXPECT_EQ(format.group, c.group);
    }
}

// The C library's order: LC_ALL over LC_NUMERIC over LANG, an empty one
// counting as unset.
TEST(LocaleFormat, FollowsTheEnvironmentInTheLibrarysOrder)
{
    const struct {
        const char *all, *numeric, *lang;
        const char* decimal;
    } cases[] = {
        {nullptr, nullptr, nullptr, "."},
        {nullptr, nullptr, "de_DE.UTF-8", ","},
        {nullptr, "de_DE.UTF-8", "en_US.UTF-8", ","},
        {nullptr, "en_US.UTF-8", "de_DE.UTF-8", "."},
        {"de_DE.UTF-8", "en_US.UTF-8", "en_US.UTF-8", ","},
        {"", "de_DE.UTF-8", nullptr, ","},
        {"", "", "de_DE.UTF-8", ","},
    };
    const char* names[] = {"LC_ALL", "LC_NUMERIC", "LANG"};
    for (const auto& c : cases) {
        const char* values[] = {c.all, c.numeric, c.lang};
        for (int i = 0; i < 3; ++i) {
            if (values[i]) setenv(names[i], values[i], 1);
            else unsetenv(names[i]);
        }
        SCOPED_TRACE(testing::Message()
                     << (c.all ? c.all : "-") << " / " << (c.numeric ? c.numeric : "-") << " / "
                     << (c.lang ? c.lang : "-"));
        EXPECT_EQ(cli::FormatFromEnvironment().decimal, c.decimal);
    }
    for (const char* name : names) unsetenv(name);
}

}  // namespace

namespace {

const engine::NumberFormat kGerman{",", "."};

// A text not read whole converts as what was read, with a note; --strict
// refuses it with the same words and prints nothing.
TEST(Convert, NamesAValueNotReadWhole)
{
    const engine::NumberFormat point;
    const struct {
        std::vector<std::string_view> args;  // as typed, then with what was read
        std::vector<std::string_view> same;
        const engine::NumberFormat* format;
        const char* words;  // after "note: " or "error: "
    } cases[] = {
        {{"distance", "mi", "1,5", "--tsv"},
         {"distance", "mi", "1", "--tsv"},
         &point,
         "read \"1,5\" as 1"},
        {{"distance", "mi", "1,5", "--tsv"},
         {"distance", "mi", "1", "--tsv"},
         &kGerman,
         "read \"1,5\" as 1; type 1.5"},
        {{"distance", "mi", "26.2 mi"},
         {"distance", "mi", "26.2"},
         &kGerman,
         "read \"26.2 mi\" as 26,2"},
        {{"weight", "1", "abc", "--tsv"},
         {"weight", "1", "0", "--tsv"},
         &point,
         "read \"abc\" as 0"},
        {{"weight", "1", "2", "--price", "3$", "--tsv"},
         {"weight", "1", "2", "--price", "3", "--tsv"},
         &point,
         "read \"3$\" as 3"},
        {{"time", "1", "7\"\n\x1b\x7f\\"},
         {"time", "1", "7"},
         &point,
         "read \"7\\\"\\x0a\\x1b\\x7f\\\\\" as 7"},
        {{"speed", "1", "1.5", "--tsv"}, {"speed", "1", "1.5", "--tsv"}, &point, ""},
        {{"speed", "1", " 1 2 3", "--tsv"}, {"speed", "1", "123", "--tsv"}, &kGerman, ""},
        {{"force", "1", "&HFF"}, {"force", "1", "255"}, &point, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.args[2]));
        const Outcome read = RunCli(c.args, *c.format);
        const Outcome same = RunCli(c.same, *c.format);
        EXPECT_EQ(read.status, cli::kExitOk);
        EXPECT_EQ(read.out, same.out);
        const std::string words = c.words;
        EXPECT_EQ(read.err, words.empty() ? "" : "tabrix-convert: note: " + words + "\n");

        std::vector<std::string_view> strict = c.args;
        strict.emplace_back("--strict");
        const Outcome refused = RunCli(strict, *c.format);
        if (words.empty()) {
            EXPECT_EQ(refused.status, cli::kExitOk);
            EXPECT_EQ(refused.out, same.out);
            continue;
        }
        EXPECT_EQ(refused.status, cli::kExitUsage);
        EXPECT_EQ(refused.out, "");
        EXPECT_EQ(refused.err, "tabrix-convert: error: " + words + "\n");
    }
}

TEST(Convert, LeavesAValueBeyondTheRangeToTheFault)
{
    const Outcome r = RunCli({"temperature", "1", "1e999x", "--strict"});
    EXPECT_EQ(r.status, cli::kExitFault);
    EXPECT_EQ(r.err.find("note"), std::string::npos) << r.err;
}

}  // namespace
