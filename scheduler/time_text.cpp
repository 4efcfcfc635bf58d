#include "scheduler/time_text.h"

#include <cstdio>

#include "platform/text/trim.h"

namespace scheduler {

std::string normaliseTime(std::string_view text) {
    std::string t(text::trimBlanks(text));
    if (t.size() == 7) t.insert(t.begin(), '0');
    return t;
}

int compareTimeTexts(std::string_view a, std::string_view b) {
    const size_t common = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

namespace {

// Reads one run of digits at `pos` as a number no greater than `max`.
bool readPart(std::string_view text, size_t& pos, int max) {
    const size_t start = pos;
    long value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        value = value * 10 + (text[pos] - '0');
        if (value > max) return false;
        ++pos;
    }
    return pos > start;
}

}  // namespace

bool readsAsTimeOfDay(std::string_view text) {
    size_t pos = 0;
    if (!readPart(text, pos, 23)) return false;
    if (pos >= text.size() || text[pos] != ':') return false;
    ++pos;
    if (!readPart(text, pos, 59)) return false;
    if (pos == text.size()) return true;
    if (text[pos] != ':') return false;
    ++pos;
    if (!readPart(text, pos, 59)) return false;
    return pos == text.size();
}

std::string clockText(int hour, int minute, int second) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", hour, minute, second);
    return buffer;
}

}  // namespace scheduler
