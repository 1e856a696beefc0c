#include "frame/start_request.h"

#include <optional>

#include "tables/tables.h"
#include "tables/unit_finder.h"

namespace frame {

namespace {

struct Options {
    std::optional<std::string_view> open, unit, value, to, find;
};

std::string listOfCategories()
{
    std::string list;
    for (const engine::UnitTable* table : tables::AllTables())
        list += (list.empty() ? "" : ", ") + std::string(table->caption);
    return list;
}

std::string listOfUnits(const engine::UnitTable& table)
{
    std::string list;
    for (int k = 1; k <= int(table.size); ++k) list += tables::ListedUnit(table, k);
    return list;
}

ParsedStart refused(const std::string& message)
{
    return {std::nullopt, "tabrix: " + message + '\n'};
}

// The unit `name` names in `table`, or the message that refuses it.
std::optional<int> unitNamed(const engine::UnitTable& table, std::string_view option,
                             std::string_view name, std::string& error)
{
    const int unit = tables::UnitByName(table, name);
    if (unit > 0) return unit;
    const std::string quoted = '"' + std::string(name) + '"';
    error = "tabrix: " +
            (unit < 0 ? quoted + " names several units of " + std::string(table.caption) +
                            "; give its number:\n"
                      : std::string(table.caption) + " has no unit " + quoted + " (" +
                            std::string(option) + "); its units are:\n") +
            listOfUnits(table);
    return std::nullopt;
}

}  // namespace

ParsedStart parseStartArguments(std::span<const std::string_view> arguments)
{
    Options options;
    const std::pair<std::string_view, std::optional<std::string_view> Options::*> named[] = {
        {"--open", &Options::open},
        {"--unit", &Options::unit},
        {"--value", &Options::value},
        {"--to", &Options::to},
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--find" || argument.starts_with("--find=")) {
            if (argument.size() > 6) options.find = argument.substr(7);
            // The query is optional: a following option belongs to the toolkit.
            else if (i + 1 < arguments.size() && !arguments[i + 1].starts_with('-'))
                options.find = arguments[++i];
            else options.find = std::string_view();
            continue;
        }
        for (const auto& [name, member] : named) {
            if (argument == name) {
                if (i + 1 == arguments.size())
                    return refused(std::string(name) + " needs a name after it");
                options.*member = arguments[++i];
            } else if (argument.starts_with(name) && argument.size() > name.size() &&
                       argument[name.size()] == '=') {
                options.*member = argument.substr(name.size() + 1);
            }
        }
    }

    StartRequest request;
    if (options.find) {
        if (options.open || options.unit || options.value || options.to)
            return refused("--find takes no --open, --unit, --value or --to");
        request.kind = StartRequest::Kind::Find;
        request.query = std::string(*options.find);
        return {request, {}};
    }
    if (!options.open) {
        if (options.unit || options.value || options.to)
            return refused("--unit, --value and --to need --open CATEGORY");
        return {request, {}};
    }

    const engine::UnitTable* table = tables::FindTable(*options.open);
    if (!table)
        return refused("unknown category \"" + std::string(*options.open) +
                       "\"; the categories are: " + listOfCategories());
    request.kind = StartRequest::Kind::Open;
    request.open.table = table;
    std::string error;
    if (options.unit) {
        const std::optional<int> unit = unitNamed(*table, "--unit", *options.unit, error);
        if (!unit) return {std::nullopt, error};
        request.open.unit = *unit;
    }
    if (options.to) {
        const std::optional<int> target = unitNamed(*table, "--to", *options.to, error);
        if (!target) return {std::nullopt, error};
        request.open.target = *target;
    }
    // An empty TEXT types nothing, as over the session bus, where "" means none.
    if (options.value && !options.value->empty()) request.open.value = std::string(*options.value);
    return {request, {}};
}

std::string_view startOptionsHelp()
{
    return "  --open CATEGORY  start on the window of CATEGORY: Distance, Weight, ...\n"
           "  --unit UNIT      pick UNIT there: its number, abbreviation or name\n"
           "  --value TEXT     type TEXT into the window's value box\n"
           "  --to UNIT        put the focus on the result in UNIT, selected to copy\n"
           "  --find [QUERY]   start with Find Unit open, QUERY typed into it\n";
}

}  // namespace frame
