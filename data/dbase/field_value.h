#pragma once
// Turning field bytes into the texts and integers the program reads, and
// the program's texts into field bytes, refusing whatever does not fit.

#include <optional>
#include <string>
#include <string_view>

#include "data/dbase/table.h"

namespace dbase {

struct IntegerRange {
    long long min = 0, max = 0;
};

// A character field without its trailing blanks; any other field without
// blanks on either side (numbers are right-aligned).
std::string displayText(const FieldDef& field, std::string_view raw);
// The field holds a decimal integer (a zero fraction is allowed); blank is
// 0. Error naming `file` otherwise, or when outside `range`.
long long integerValue(const FieldDef& field, std::string_view raw, const std::optional<IntegerRange>& range,
                       const std::string& file);
// The exact bytes (width long) the field stores for `text`. Error naming
// `file` for a text that does not fit, a number that is malformed, needs
// more digits or decimals than the field has, or lies outside `range`.
std::string encodeText(const FieldDef& field, std::string_view text, const std::optional<IntegerRange>& range,
                       const std::string& file);

}  // namespace dbase
