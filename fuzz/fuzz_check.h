#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// A failed check prints what went wrong and aborts, which libFuzzer reports as
// a crash, keeping the input that caused it. assert() would vanish in a
// release build.
#define FUZZ_CHECK(condition, ...)                                                                 \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "check failed at %s:%d: %s\n", __FILE__, __LINE__, #condition);   \
            std::fprintf(stderr, __VA_ARGS__);                                                     \
            std::fputc('\n', stderr);                                                              \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace fuzz {

// A text fit for a message: at most 200 bytes, control and non-ASCII bytes
// written as \xNN.
inline std::string Escaped(std::string_view text)
{
    std::string out = "\"";
    std::size_t shown = 0;
    for (unsigned char c : text) {
        if (++shown > 200) {
            out += "...";
            break;
        }
        if (c >= 0x20 && c < 0x7f && c != '\\' && c != '"') {
            out.push_back(char(c));
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        }
    }
    return out + '"';
}

}  // namespace fuzz
