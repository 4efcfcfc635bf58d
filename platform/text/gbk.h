#pragma once
// Conversion between the program's GBK byte strings and UTF-8, used only at
// the edges: the screen, the file system, directory listings. GB18030 is
// used on the GBK side because it is a superset that maps every Unicode
// character, so no file name is lost on the way in and back out.

#include <stdexcept>
#include <string>
#include <string_view>

namespace text {

class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string gbkFromUtf8(std::string_view utf8);  // throws ConversionError on bad UTF-8
std::string utf8FromGbk(std::string_view gbk);   // throws ConversionError on bad GBK

// A text of the program, written in UTF-8 in the source, in GBK. Each
// distinct text is converted once and kept for the rest of the run.
const std::string& gbk(std::string_view utf8);

}  // namespace text
