#include "platform/text/gbk.h"

#include <iconv.h>

#include <cerrno>
#include <map>
#include <mutex>

namespace text {
namespace {

std::string convert(std::string_view input, const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw ConversionError(std::string("iconv cannot convert ") + from + " to " + to);
    }
    std::string out;
    std::string in(input);
    char* inPtr = in.data();
    size_t inLeft = in.size();
    char buffer[1024];
    while (true) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        size_t rc = iconv(cd, inLeft ? &inPtr : nullptr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, sizeof buffer - outLeft);
        if (rc != static_cast<size_t>(-1)) {
            if (inLeft == 0) {
                // Flush any shift state (none for these encodings, but cheap).
                outPtr = buffer;
                outLeft = sizeof buffer;
                iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
                out.append(buffer, sizeof buffer - outLeft);
                break;
            }
            continue;
        }
        if (errno == E2BIG) continue;
        iconv_close(cd);
        throw ConversionError(std::string("invalid ") + from + " text at byte " +
                              std::to_string(in.size() - inLeft));
    }
    iconv_close(cd);
    return out;
}

}  // namespace

std::string gbkFromUtf8(std::string_view utf8) { return convert(utf8, "GB18030", "UTF-8"); }

std::string utf8FromGbk(std::string_view gbk) { return convert(gbk, "UTF-8", "GB18030"); }

const std::string& gbk(std::string_view utf8) {
    static std::mutex lock;
    static std::map<std::string, std::string, std::less<>> converted;
    std::lock_guard guard(lock);
    auto it = converted.find(utf8);
    if (it == converted.end()) {
        it = converted.emplace(std::string(utf8), gbkFromUtf8(utf8)).first;
    }
    return it->second;
}

}  // namespace text
