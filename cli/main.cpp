#include <iostream>
#include <string_view>
#include <vector>

#include "cli/convert.h"

int main(int argc, char* argv[])
{
    std::vector<std::string_view> args(argv + 1, argv + argc);
    return cli::Run(args, cli::FormatFromEnvironment(), std::cout, std::cerr);
}
