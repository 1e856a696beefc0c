// tabrix-convert's argument handling with an arbitrary argument list: the
// input split at NUL bytes, one argument per piece. Checked: the exit status
// is one of the documented ones, a failure names itself on standard error, a
// success writes whole lines and at most notes to standard error, and the locale
// name reader gives usable separators for any name.

#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/convert.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> args;
    for (std::size_t start = 0; start <= input.size();) {
        const std::size_t end = std::min(input.find('\0', start), input.size());
        args.push_back(input.substr(start, end - start));
        start = end + 1;
    }
    if (args.size() > 64) return -1;

    const engine::NumberFormat format = cli::FormatForLocaleName(args.front());
    FUZZ_CHECK(!format.decimal.empty() && format.decimal != format.group,
               "locale %s gives decimal %s, group %s", fuzz::Escaped(args.front()).c_str(),
               fuzz::Escaped(format.decimal).c_str(), fuzz::Escaped(format.group).c_str());

    // The first piece names the locale; the rest are the arguments.
    const std::vector<std::string_view> argv(args.begin() + 1, args.end());
    std::ostringstream out, err;
    const int status = cli::Run(argv, format, out, err);
    const std::string o = out.str(), e = err.str();

    FUZZ_CHECK(status == cli::kExitOk || status == cli::kExitUsage || status == cli::kExitFault ||
                   status == cli::kExitNoMatch,
               "exit status %d", status);
    FUZZ_CHECK(status != cli::kExitNoMatch || o.empty(), "no match, yet output: %s",
               fuzz::Escaped(o).c_str());
    FUZZ_CHECK(o.empty() || o.back() == '\n', "output ends mid-line: %s", fuzz::Escaped(o).c_str());
    if (status == cli::kExitOk) {
        // A success may only note a value or price that was not read whole.
        for (std::size_t line = 0; line < e.size(); line = e.find('\n', line) + 1)
            FUZZ_CHECK(e.compare(line, 22, "tabrix-convert: note: ") == 0 && e.back() == '\n',
                       "success with a message: %s", fuzz::Escaped(e).c_str());
        FUZZ_CHECK(!o.empty(), "success without output");
    } else {
        FUZZ_CHECK(e.starts_with("tabrix-convert: "), "failure %d without its message: %s", status,
                   fuzz::Escaped(e).c_str());
        FUZZ_CHECK(e.back() == '\n', "message ends mid-line: %s", fuzz::Escaped(e).c_str());
    }
    return 0;
}
