// What the desktop search answers, without the bus: tests/search/ also asks
// the installed service over a private bus (desktop_search_test.sh).

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "search/answers.h"
#include "tests/number_formats.h"

namespace {

using tabrix_test::kCommaFormat;
using tabrix_test::kPointFormat;

std::string Category(const search::Answer& answer)
{
    return answer.id.substr(0, answer.id.find('/'));
}

TEST(Answers, TargetGivesOneAnswerThatOpensAgainFromItsId)
{
    const std::vector<search::Answer> answers = search::Answers("5 km in mi", kPointFormat);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].name, "3.106855961 mi");
    EXPECT_EQ(answers[0].description, "Miles \xE2\x80\x94 5 km, Distance");

    const std::optional<search::Conversion> conversion =
        search::ReadAnswerId(answers[0].id, kPointFormat);
    ASSERT_TRUE(conversion);
    const std::optional<search::Answer> again = search::AnswerFor(*conversion, kPointFormat);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->name, answers[0].name);
    EXPECT_EQ(search::OpenArguments(*conversion),
              (std::vector<std::string>{"--open", "Distance", "--unit", "9", "--value", "5", "--to",
                                        "10"}));
}

TEST(Answers, SessionFormatWritesTheNumbers)
{
    const std::vector<search::Answer> answers = search::Answers("5 km in mi", kCommaFormat);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].name, "3,106855961 mi");
}

TEST(Answers, EveryOtherUnitWithReadableNumbersFirst)
{
    const std::vector<search::Answer> answers = search::Answers("5 km", kPointFormat);
    ASSERT_EQ(answers.size(), 10u);  // Distance has 11 units
    bool outside = false;
    for (const search::Answer& answer : answers) {
        EXPECT_EQ(Category(answer), "Distance") << answer.id;
        const double size = std::fabs(std::stod(answer.number));
        const bool readable = size >= 1 && size <= 1000;
        EXPECT_FALSE(readable && outside) << answer.name << " after a less readable number";
        outside = outside || !readable;
    }
}

TEST(Answers, SharedNameGivesEachCategory)
{
    std::set<std::string> categories;
    for (const search::Answer& answer : search::Answers("5 oz", kPointFormat))
        categories.insert(Category(answer));
    EXPECT_TRUE(categories.contains("Weight") && categories.contains("Liquid"))
        << categories.size() << " categories";
}

TEST(Answers, TargetNamedOutrightOutranksAPartialName)
{
    // "F" names Furlongs and degrees Fahrenheit; only Temperature has a "C".
    const std::vector<search::Answer> answers = search::Answers("72 F in C", kPointFormat);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(Category(answers[0]), "Temperature");
}

TEST(Answers, NothingButAValueWithAUnit)
{
    const std::string queries[] = {
        "hello",        "5",        "",
        "   ",          "1e999 km", "5 zzqx",
        "5 km in zzqx", "1,5 km",   "5 km" + std::string(100000, 'x'),
        "5 \x01km",     "5\x7f km", "\xff\xfe km",
    };
    for (const std::string& query : queries)
        EXPECT_TRUE(search::Answers(query, kPointFormat).empty()) << query.substr(0, 40);
}

TEST(Answers, UnknownIdsNameNoConversion)
{
    const char* ids[] = {"",
                         "Distance/9/10/",
                         "Distance/9/99/5",
                         "Distance/0/10/5",
                         "Distance/09/10/5",
                         "distance/9/10/5",
                         "Nowhere/1/2/5",
                         "Distance/9/10/1e999",
                         "Distance/9/10/5abc",
                         "Distance/9/10/1234567890123456789012"};
    for (const char* id : ids) EXPECT_FALSE(search::ReadAnswerId(id, kPointFormat)) << id;
}

}  // namespace
