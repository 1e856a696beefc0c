#include "cli/convert.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/subcommands.h"
#include "engine/cell_steps.h"
#include "engine/evaluate.h"
#include "engine/names.h"
#include "engine/price.h"
#include "tables/tables.h"
#include "tables/unit_finder.h"
#include "tabrix/version.h"

namespace cli {

namespace {

using engine::WithoutAccelerator;

// The usage's first and last lines; the subcommands' lines come between.
constexpr std::string_view kUsageFirst =
    "Usage: tabrix-convert CATEGORY FROM VALUE [--price PRICE] [--tsv] [--strict] [--steps]\n";
constexpr std::string_view kUsageLast = "       tabrix-convert --list | --help | --version\n";

// The help, around the list of the price categories and the subcommands.
constexpr std::string_view kHelpHead =
    "Shows a value given in one unit in every unit of its category, as the\n"
    "Tabrix windows do, and optionally a price per one unit as the price per\n"
    "every unit.\n"
    "\n"
    "  CATEGORY       a category caption, any case: area, density, distance, ...\n"
    "  FROM           the unit the value is in: its number (1 for the first unit),\n"
    "                 its abbreviation or its caption, any case (\"km\", \"Kilometers\")\n"
    "  VALUE          the value as typed into the value box: blanks are ignored,\n"
    "                 only the point is a decimal separator, reading stops at the\n"
    "                 first character that cannot continue the number (\"12abc\" is\n"
    "                 12, \"abc\" is 0); \"&H1F\" and \"&O17\" are hexadecimal and octal\n";
constexpr std::string_view kHelpOptions =
    "  --tsv          one line per unit: number, tab, result [, tab, price]\n"
    "  --strict       refuse a VALUE or PRICE that is not read whole (\"1,5\",\n"
    "                 \"26.2 mi\") instead of converting what was read\n"
    "  --steps        add how each result is made, with the table's constants:\n"
    "                 \"Miles = Kilometers × 0.6213711922\"\n"
    "  --list         list the categories and their units\n"
    "  --version      show the version\n"
    "\n"
    "Subcommands:\n";
constexpr std::string_view kHelpTail =
    "\n"
    "Results are written with the decimal separator of the locale named by\n"
    "LC_ALL, LC_NUMERIC or LANG, as the desktop program writes them.\n"
    "\n"
    "When VALUE or PRICE is not read whole, a note on standard error says what\n"
    "was read: tabrix-convert: note: read \"1,5\" as 1\n"
    "\n"
    "Exit status: 0 done; 1 find matched no unit; 2 usage error (unknown\n"
    "category, unit or option, missing argument, a value refused by --strict);\n"
    "3 a conversion stopped part-way (the lines written before the fault are\n"
    "printed, the fault is named on standard error).\n";

// The help's names stand in a column this wide, their text after it.
constexpr std::size_t kHelpNameColumn = 17;

// "Distance, Liquid, Time and Weight".
std::string JoinedList(const std::vector<std::string_view>& items)
{
    std::string list;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) list += i + 1 == items.size() ? " and " : ", ";
        list += items[i];
    }
    return list;
}

std::string PriceCategories()
{
    std::vector<std::string_view> captions;
    for (const engine::UnitTable* table : tables::AllTables())
        if (table->HasPrices()) captions.push_back(table->caption);
    return JoinedList(captions);
}

std::string SubcommandNames()
{
    std::vector<std::string_view> names;
    for (const Subcommand& command : Subcommands()) names.push_back(command.name);
    return JoinedList(names);
}

std::string Usage()
{
    std::string usage(kUsageFirst);
    for (const Subcommand& command : Subcommands()) {
        usage += "       tabrix-convert ";
        usage += command.name;
        usage += ' ';
        usage += command.arguments;
        usage += command.tsv ? " [--tsv]\n" : "\n";
    }
    return usage += kUsageLast;
}

// One name of the help with its text, continued lines indented to the column.
void AddHelpEntry(std::string& help, std::string_view name, std::string_view text)
{
    help += "  ";
    help += name;
    help.append(kHelpNameColumn - 2 - name.size(), ' ');
    std::size_t end;
    while ((end = text.find('\n')) != std::string_view::npos) {
        help += text.substr(0, end + 1);
        help.append(kHelpNameColumn, ' ');
        text.remove_prefix(end + 1);
    }
    help += text;
    help += '\n';
}

std::string Help()
{
    std::string help = Usage() + '\n';
    help += kHelpHead;
    AddHelpEntry(help, "--price PRICE", "price per one FROM unit (" + PriceCategories() + ")");
    help += kHelpOptions;
    for (const Subcommand& command : Subcommands())
        AddHelpEntry(help, command.name, command.summary);
    return help += kHelpTail;
}

// One line of a unit list, "   9  Kilometers (km)": the number right-aligned
// in `numberWidth` characters.
void ListUnit(std::ostream& out, const engine::UnitTable& table, int k, int numberWidth = 1)
{
    out << tables::ListedUnit(table, k, numberWidth);
}

void ListCategories(std::ostream& out)
{
    for (const engine::UnitTable* table : tables::AllTables()) {
        out << table->caption << (table->HasPrices() ? " (with prices)" : "") << '\n';
        for (int k = 1; k <= int(table->size); ++k) ListUnit(out, *table, k, 2);
    }
}

void ListUnits(const engine::UnitTable& table, std::ostream& err)
{
    err << "Units of " << table.caption << ":\n";
    for (int k = 1; k <= int(table.size); ++k) ListUnit(err, table, k);
}

int UsageError(std::ostream& err, std::string_view message)
{
    err << "tabrix-convert: " << message << '\n' << Usage();
    return kExitUsage;
}

// The unit named by its number, abbreviation or caption; 0 when none or more
// than one match (the message is written).
int FindUnit(const engine::UnitTable& table, std::string_view name, std::ostream& err)
{
    const int found = tables::UnitByName(table, name);
    if (found > 0) return found;
    if (!name.empty() &&
        std::ranges::all_of(name, [](unsigned char c) { return std::isdigit(c); })) {
        err << "tabrix-convert: " << table.caption << " has units 1 to " << table.size
            << "; there is no unit " << name << '\n';
        ListUnits(table, err);
    } else if (found == 0) {
        err << "tabrix-convert: " << table.caption << " has no unit \"" << name << "\"\n";
        ListUnits(table, err);
    } else {
        err << "tabrix-convert: \"" << name << "\" is ambiguous in " << table.caption
            << "; give the unit's number:\n";
        for (int k = 1; k <= int(table.size); ++k)
            if (tables::NamesUnit(table.Unit(k), name)) ListUnit(err, table, k);
    }
    return 0;
}

// A VALUE or PRICE not read whole is named on standard error, as the windows
// name it beside the box, with the text the user most likely meant where there
// is one; with --strict it is refused. A text beyond the double
// range is left to the conversion, which names the fault. Returns false when
// the text is refused.
bool CheckReading(std::string_view text, bool strict, const engine::NumberFormat& format,
                  std::ostream& err)
{
    const engine::ValueReading reading = engine::ReadValueAccounted(text, format);
    if (reading.whole() || !reading.result) return true;
    err << "tabrix-convert: " << (strict ? "error" : "note") << ": read " << Quoted(text) << " as "
        << engine::FormatValue(reading.result.value, format);
    if (const std::string meant = engine::MeantText(text, format); !meant.empty())
        err << "; type " << meant;
    err << '\n';
    return !strict;
}

// Collects the writes so that only whole lines are printed, in unit order.
struct Collected : engine::EvalSink, engine::PriceSink {
    std::vector<std::string> results, prices;
    void Echo(std::string_view) override {}
    void Result(int, std::string_view text) override { results.emplace_back(text); }
    void Price(int, std::string_view text) override { prices.emplace_back(text); }
};

// `steps` holds each line's steps, or nothing when they are not asked for.
void Print(const engine::UnitTable& table, const Collected& c, bool withPrice, bool tsv,
           const std::vector<std::string>& steps, std::ostream& out)
{
    const std::size_t lines =
        withPrice ? std::min(c.results.size(), c.prices.size()) : c.results.size();
    if (lines == 0) return;
    const bool withSteps = !steps.empty();
    if (tsv) {
        for (std::size_t i = 0; i < lines; ++i) {
            out << i + 1 << '\t' << c.results[i];
            if (withPrice) out << '\t' << c.prices[i];
            if (withSteps) out << '\t' << steps[i];
            out << '\n';
        }
        return;
    }
    std::size_t captionWidth = 4, abbreviationWidth = 4, resultWidth = 5, priceWidth = 14;
    for (std::size_t i = 0; i < lines; ++i) {
        const auto& unit = table.Unit(int(i) + 1);
        captionWidth = std::max(captionWidth, WithoutAccelerator(unit.caption).size());
        abbreviationWidth = std::max(abbreviationWidth, unit.abbreviation.size());
        resultWidth = std::max(resultWidth, c.results[i].size());
        if (withPrice) priceWidth = std::max(priceWidth, c.prices[i].size());
    }
    auto pad = [&out](std::string_view text, std::size_t width) {
        out << text << std::string(width - text.size() + 2, ' ');
    };
    // The last column but one is padded only when the steps follow it.
    auto last = [&](std::string_view text, std::size_t width) {
        if (withSteps) pad(text, width);
        else out << text;
    };
    pad("Unit", captionWidth);
    pad("Abbr", abbreviationWidth);
    if (withPrice) pad("Value", resultWidth);
    last(withPrice ? "Price per unit" : "Value", withPrice ? priceWidth : resultWidth);
    out << (withSteps ? "Steps\n" : "\n");
    for (std::size_t i = 0; i < lines; ++i) {
        const auto& unit = table.Unit(int(i) + 1);
        pad(WithoutAccelerator(unit.caption), captionWidth);
        pad(unit.abbreviation, abbreviationWidth);
        if (withPrice) {
            pad(c.results[i], resultWidth);
            last(c.prices[i], priceWidth);
        } else {
            last(c.results[i], resultWidth);
        }
        if (withSteps) out << steps[i];
        out << '\n';
    }
}

int Convert(std::span<const std::string_view> positional, std::optional<std::string_view> price,
            bool tsv, bool strict, bool withSteps, const engine::NumberFormat& format,
            std::ostream& out, std::ostream& err)
{
    if (positional.size() < 3)
        // An empty list is refused by the caller as "nothing to convert".
        return UsageError(err, positional.size() == 1 ? "a unit and a value are needed"
                                                      : "a value is needed");
    if (positional.size() > 3)
        return UsageError(err, "too many arguments: \"" + std::string(positional[3]) + "\"");

    const engine::UnitTable* table = tables::FindTable(positional[0]);
    if (!table) {
        err << "tabrix-convert: unknown category \"" << positional[0] << "\"; the categories are:";
        for (const engine::UnitTable* t : tables::AllTables()) err << ' ' << t->caption;
        err << "\n(and the subcommands " << SubcommandNames() << ")\n";
        return kExitUsage;
    }
    if (price && !table->HasPrices()) {
        err << "tabrix-convert: " << table->caption << " has no prices; --price works with "
            << PriceCategories() << '\n';
        return kExitUsage;
    }
    const int source = FindUnit(*table, positional[1], err);
    if (source == 0) return kExitUsage;
    if (!CheckReading(positional[2], strict, format, err)) return kExitUsage;
    if (price && !CheckReading(*price, strict, format, err)) return kExitUsage;

    Collected collected;
    const engine::EvalStatus status =
        engine::Evaluate(*table, source, positional[2], format, collected);
    engine::EvalStatus priceStatus = engine::EvalStatus::Ok;
    if (status == engine::EvalStatus::Ok && price)
        priceStatus = engine::EvaluatePrice(*table, source, *price, format, collected);
    std::vector<std::string> steps;
    if (withSteps)
        for (int k = 1; k <= int(collected.results.size()); ++k)
            steps.push_back(engine::CellSteps(*table, source, k));
    Print(*table, collected, price && status == engine::EvalStatus::Ok, tsv, steps, out);
    if (status != engine::EvalStatus::Ok) {
        err << "tabrix-convert: " << engine::Describe(status) << " (" << table->caption << ", unit "
            << collected.results.size() + 1 << ")\n";
        return kExitFault;
    }
    if (priceStatus != engine::EvalStatus::Ok) {
        err << "tabrix-convert: " << engine::Describe(priceStatus) << " (" << table->caption
            << ", price per unit " << collected.prices.size() + 1 << ")\n";
        return kExitFault;
    }
    return kExitOk;
}

}  // namespace

std::string Quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7f) {
            constexpr char kHex[] = "0123456789abcdef";
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        } else {
            out += c;
        }
    }
    return out + '"';
}

int Run(std::span<const std::string_view> args, const engine::NumberFormat& format,
        std::ostream& out, std::ostream& err)
{
    std::vector<std::string_view> positional;
    std::optional<std::string_view> price;
    bool tsv = false;
    bool strict = false;
    bool withSteps = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        // Values such as "-40" are arguments, not options: only "--" opens one.
        if (optionsEnded || !arg.starts_with("--")) {
            if (!optionsEnded && arg == "-h") {
                out << Help();
                return kExitOk;
            }
            positional.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help") {
            out << Help();
            return kExitOk;
        } else if (arg == "--version") {
            out << "tabrix-convert " << tabrix::kVersion << '\n';
            return kExitOk;
        } else if (arg == "--list") {
            ListCategories(out);
            return kExitOk;
        } else if (arg == "--tsv") {
            tsv = true;
        } else if (arg == "--strict") {
            strict = true;
        } else if (arg == "--steps") {
            withSteps = true;
        } else if (arg == "--price" || arg.starts_with("--price=")) {
            if (price) return UsageError(err, "--price is given twice");
            if (arg != "--price") {
                price = arg.substr(8);
            } else if (i + 1 < args.size()) {
                price = args[++i];
            } else {
                return UsageError(err, "--price needs a price");
            }
        } else {
            return UsageError(err, "unknown option \"" + std::string(arg) + "\"");
        }
    }
    if (positional.empty()) return UsageError(err, "nothing to convert");

    const std::string_view command = positional.front();
    const auto rest = std::span<const std::string_view>(positional).subspan(1);
    if (const Subcommand* subcommand = FindSubcommand(command)) {
        if (price) return UsageError(err, "--price works only with a category");
        if (strict) return UsageError(err, "--strict works only with a category");
        if (withSteps) return UsageError(err, "--steps works only with a category");
        if (tsv && !subcommand->tsv)
            return UsageError(err, "--tsv does not apply to " + std::string(subcommand->name));
        return subcommand->run(rest, tsv, format, out, err);
    }
    return Convert(positional, price, tsv, strict, withSteps, format, out, err);
}

}  // namespace cli
