#pragma once

#include <string>
#include <string_view>

namespace engine {

// True when the two texts differ at most in the case of ASCII letters;
// other bytes, UTF-8 included, must be equal.
bool SameIgnoringCase(std::string_view a, std::string_view b);

// A caption as shown, without its accelerator marks: "F&ahrenheit" is
// "Fahrenheit". "&&" is a literal "&", as the toolkits show it.
std::string WithoutAccelerator(std::string_view caption);

}  // namespace engine
