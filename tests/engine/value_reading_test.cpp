#include <gtest/gtest.h>

#include <string>

#include "engine/value_text.h"
#include "support/allocation_counter.h"

namespace {

using engine::NumberFormat;
using engine::ReadStop;

const NumberFormat kC{".", ","};
const NumberFormat kGerman{",", "."};
const NumberFormat kFrench{",", "\u202f"};
const NumberFormat kArabic{"\u066b", "\u066c"};

struct Row {
    const char* text;
    const NumberFormat* format;
    std::size_t end;
    ReadStop stop;
};

TEST(ReadValueAccounted, SaysWhereAndWhyReadingStopped)
{
    const Row rows[] = {
        {"", &kC, 0, ReadStop::Whole},
        {"   ", &kC, 3, ReadStop::Whole},
        {"1.5", &kC, 3, ReadStop::Whole},
        {" 1 2 3 ", &kC, 7, ReadStop::Whole},
        {"1e3", &kC, 3, ReadStop::Whole},
        {"1 e 3", &kC, 5, ReadStop::Whole},
        {"5.", &kC, 2, ReadStop::Whole},
        {"&HFF", &kC, 4, ReadStop::Whole},
        {"&O0", &kC, 3, ReadStop::Whole},  // zeros are digits, though they set no bit
        {"& o 17", &kC, 6, ReadStop::Whole},
        {"1e999", &kC, 5, ReadStop::Whole},
        {"1,5", &kC, 1, ReadStop::Grouping},
        {"1,000", &kC, 1, ReadStop::Grouping},
        {"1,5", &kGerman, 1, ReadStop::DecimalSeparator},
        {"1.000,5", &kGerman, 5, ReadStop::DecimalSeparator},
        {",5", &kGerman, 0, ReadStop::DecimalSeparator},
        {"1.000.000", &kGerman, 5, ReadStop::Grouping},
        {"1\u202f000", &kFrench, 1, ReadStop::Grouping},
        {"1\u00a0000", &kFrench, 1, ReadStop::Unexpected},
        {"1\u066b5", &kArabic, 1, ReadStop::DecimalSeparator},
        {"1\u066c000", &kArabic, 1, ReadStop::Grouping},
        {"26.2 mi", &kC, 5, ReadStop::Unexpected},
        {"12abc", &kC, 2, ReadStop::Unexpected},
        {"1E", &kC, 1, ReadStop::Unexpected},
        {"2 e+ m", &kC, 2, ReadStop::Unexpected},
        {"1.2.3", &kC, 3, ReadStop::Unexpected},
        {"&H1G", &kC, 3, ReadStop::Unexpected},
        {"&H00x", &kC, 4, ReadStop::Unexpected},
        {"1\r", &kC, 1, ReadStop::Unexpected},
        {"abc", &kC, 0, ReadStop::NoNumber},
        {"  abc", &kC, 2, ReadStop::NoNumber},
        {"-", &kC, 0, ReadStop::NoNumber},
        {".", &kC, 0, ReadStop::NoNumber},
        {"&HZZ", &kC, 0, ReadStop::NoNumber},
        {"&X1", &kC, 0, ReadStop::NoNumber},
        {",", &kC, 0, ReadStop::NoNumber},
        {"\xff\xfe", &kC, 0, ReadStop::NoNumber},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const engine::ValueReading reading = engine::ReadValueAccounted(row.text, *row.format);
        EXPECT_EQ(reading.end, row.end);
        EXPECT_EQ(reading.stop, row.stop);
        const engine::ReadResult plain = engine::ReadValue(row.text);
        EXPECT_EQ(reading.result.status, plain.status);
        EXPECT_EQ(reading.result.value, plain.value);
    }
    // Past the largest number, a radix text is still read to its last digit.
    for (const std::string& text :
         {"&O1" + std::string(5000, '7') + "89", "&H1" + std::string(5000, 'f') + "G",
          "&O1" + std::string(400, '7') + "0708"}) {  // a later zero is a digit too
        const engine::ValueReading reading = engine::ReadValueAccounted(text, kC);
        EXPECT_EQ(reading.result.status, engine::EvalStatus::Overflow);
        EXPECT_EQ(reading.end, text.find_first_of("89G"));
    }
}

TEST(MeantText, OffersThePlainNumberOnlyWhereTheSeparatorsAreUnmistakable)
{
    const struct {
        const char* text;
        const NumberFormat* format;
        const char* meant;
    } rows[] = {
        {"1,000", &kC, "1000"},
        {"1,000.5", &kC, "1000.5"},
        {"1,5", &kC, ""},
        {"1,5", &kGerman, "1.5"},
        {"1.234,5", &kGerman, "1234.5"},
        {"1,2,3", &kGerman, ""},
        {"1.000.000", &kGerman, "1000000"},
        {"1\u202f000,25", &kFrench, "1000.25"},
        {"1\u066b5", &kArabic, "1.5"},
        {",000", &kC, ""},
        {"1,0000", &kC, ""},
        {"26.2 mi", &kC, ""},
        {"1,000,000,000,000,000,000,000", &kC, ""},  // 22 digits
        {"", &kC, ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(engine::MeantText(row.text, *row.format), row.meant) << row.text;
}

// The account costs a keystroke nothing on the heap, however long the text.
TEST(ReadValueAccounted, AllocatesNothing)
{
    const std::string texts[] = {std::string(5000, '7') + "x", "&H" + std::string(400, 'F'),
                                 "0." + std::string(900, '0') + "1e3", "1.000,5"};
    for (const std::string& text : texts) {
        const long before = tabrix_test::AllocationCount();
        const engine::ValueReading reading = engine::ReadValueAccounted(text, kGerman);
        EXPECT_EQ(tabrix_test::AllocationCount() - before, 0) << text.substr(0, 20);
        EXPECT_LE(reading.end, text.size());
    }
}

}  // namespace
