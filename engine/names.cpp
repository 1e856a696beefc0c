#include "engine/names.h"

#include <algorithm>

namespace engine {

namespace {
constexpr char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }
}  // namespace

bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

std::string WithoutAccelerator(std::string_view caption)
{
    std::string plain;
    plain.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 == caption.size()) break;  // a mark with nothing to mark
            ++i;                                 // the marked character, or the second "&"
        }
        plain.push_back(caption[i]);
    }
    return plain;
}

}  // namespace engine
