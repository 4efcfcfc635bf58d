#pragma once
// The rules by which the scheduler reads and compares time texts. Nothing
// else in the program compares times.

#include <string>
#include <string_view>

namespace scheduler {

// Trimmed of blanks, and "0" put in front of a text of exactly 7 characters
// (7:55:00 becomes 07:55:00); any other text stays as it is.
std::string normaliseTime(std::string_view text);

// Byte-wise comparison of unsigned bytes from the left; a prefix is smaller,
// so the empty text is smaller than every other. Negative, zero or positive.
int compareTimeTexts(std::string_view a, std::string_view b);

// Hours 0-23, ":", minutes 0-59, optionally ":" and seconds 0-59, each a run
// of ASCII digits ("5:00:13", "12:15:00", "12:15"). The text is taken as is:
// callers trim first.
bool readsAsTimeOfDay(std::string_view text);

// The clock text: 24-hour HH:MM:SS with a two-digit hour, so that it matches
// stored times such as 07:30:00 byte for byte.
std::string clockText(int hour, int minute, int second);

}  // namespace scheduler
