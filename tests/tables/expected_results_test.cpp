// Every cell of every table against the results written down in
// tests/data/results/<category>.tsv, one line per evaluation: "value" or
// "price", the source unit, the typed text, then the text of every box or
// price label in index order. The files were worked out apart from the C++
// tables, so a constant, an operation or a cell moved in a table shows here as
// a wrong text in the box the user would look at.

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tables/tables.h"
#include "tests/tables/table_checks.h"

namespace {

using namespace tabrix_test;

struct Line {
    int number = 0;
    std::string kind;
    int source = 0;
    std::string typed;
    std::vector<std::string> texts;
};

std::vector<std::string> SplitTabs(const std::string& line)
{
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, '\t')) fields.push_back(field);
    return fields;
}

std::vector<Line> ReadLines(const std::string& path)
{
    std::ifstream in(path);
    std::vector<Line> lines;
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        if (text.empty() || text[0] == '#') continue;
        const std::vector<std::string> f = SplitTabs(text);
        if (f.size() < 4) {
            ADD_FAILURE() << path << ":" << number << ": too few fields";
            continue;
        }
        lines.push_back({number, f[0], std::stoi(f[1]), f[2], {f.begin() + 3, f.end()}});
    }
    return lines;
}

std::string FileOf(const engine::UnitTable& table)
{
    std::string name(table.caption);
    for (char& c : name) c = char(std::tolower(static_cast<unsigned char>(c)));
    return std::string(TABRIX_TEST_DATA_DIR) + "/results/" + name + ".tsv";
}

class ExpectedResults : public testing::TestWithParam<const engine::UnitTable*> {};

TEST_P(ExpectedResults, EveryBoxOfEveryLine)
{
    const engine::UnitTable& table = *GetParam();
    const std::string path = FileOf(table);
    const std::vector<Line> lines = ReadLines(path);
    ASSERT_FALSE(lines.empty()) << "no results in " << path;

    const int n = int(table.size);
    std::map<std::string, std::map<int, int>> linesPerSource;
    for (const Line& line : lines) {
        ASSERT_TRUE(line.kind == "value" || line.kind == "price") << path << ":" << line.number;
        ASSERT_TRUE(line.source >= 1 && line.source <= n) << path << ":" << line.number;
        ASSERT_EQ(int(line.texts.size()), n) << path << ":" << line.number;
        ++linesPerSource[line.kind][line.source];

        const bool price = line.kind == "price";
        const RowRun run = (price ? Price : Convert)(table, line.source, line.typed);
        const std::string where = std::string(table.caption) + (price ? " price per " : " from ") +
                                  std::string(table.Unit(line.source).abbreviation) + " (" +
                                  std::to_string(line.source) + "), typed \"" + line.typed + "\"";
        ASSERT_EQ(run.status, engine::EvalStatus::Ok) << where;
        EXPECT_EQ(run.Targets(), detail::OneToN(table)) << where;
        const auto boxes = run.Boxes();
        for (int j = 1; j <= n; ++j) {
            const auto it = boxes.find(j);
            const std::string shown = it == boxes.end() ? "(nothing)" : it->second;
            EXPECT_EQ(shown, line.texts[std::size_t(j - 1)])
                << where << ", " << (price ? "price label " : "box ") << j << " ("
                << table.Unit(j).abbreviation << ")";
        }
    }
    // A file cut short would pass on what is left: every source unit needs
    // its four typed values and, where the window prices, a small and a
    // large price.
    for (int i = 1; i <= n; ++i) {
        EXPECT_GE(linesPerSource["value"][i], 4) << table.caption << " source " << i;
        if (table.HasPrices()) {
            EXPECT_GE(linesPerSource["price"][i], 2) << table.caption << " source " << i;
        }
    }
    if (!table.HasPrices()) {
        EXPECT_EQ(linesPerSource.count("price"), 0u) << table.caption;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryCategory, ExpectedResults, testing::ValuesIn(tables::AllTables()),
                         [](const testing::TestParamInfo<const engine::UnitTable*>& info) {
                             return std::string(info.param->caption);
                         });

}  // namespace
