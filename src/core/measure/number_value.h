#pragma once
// Reading a stored or typed number text the way the user wrote it.
#include <optional>
#include <string>

namespace vrx {

// The number a text stands for, in US conventions: surrounding blanks ignored, an optional sign,
// digits with optional "," thousands separators in the whole part, an optional "." fraction and
// exponent ("2.0", "1,500", " -0.5 ", "1e3"). Anything else, including "", gives no value.
std::optional<double> numberValue(const std::string& text);

// A whole number within [min, max] as typed: surrounding blanks ignored, an optional sign, then
// digits only ("7", " -12 ", "+3"). Fractions, exponents, separators, "" and values out of the
// range give no value.
std::optional<int> wholeNumberIn(const std::string& text, int min, int max);

} // namespace vrx
