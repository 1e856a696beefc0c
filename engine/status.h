#pragma once

namespace engine {

// The outcome of an evaluation or of any handler that runs one. A routine that
// receives anything but Ok from a routine it called stops and passes it up.
enum class EvalStatus { Ok, Overflow, DivideByZero, InvalidOperation };

// Plain words for a status, as shown to the user ("Overflow" reads badly there).
const char* Describe(EvalStatus status);

}  // namespace engine
