#pragma once
// The core keeps its texts as GBK bytes; Qt wants Unicode. These two are the
// only crossing points between them.

#include <QString>
#include <string>

#include "platform/text/gbk.h"

namespace view {

// For the screen: bytes that are not GBK (a hand-edited table, a foreign
// tag) are shown as they are instead of failing.
inline QString qs(const std::string& gbk) {
    try {
        return QString::fromStdString(text::utf8FromGbk(gbk));
    } catch (const text::ConversionError&) {
        return QString::fromLatin1(gbk.data(), static_cast<qsizetype>(gbk.size()));
    }
}
inline std::string gbkOf(const QString& s) { return text::gbkFromUtf8(s.toStdString()); }

}  // namespace view

namespace view {

// A failure's text (UTF-8) for a GBK message; bytes that do not convert are
// dropped rather than losing the whole report.
inline std::string gbkReport(const std::string& utf8) {
    try {
        return text::gbkFromUtf8(utf8);
    } catch (const text::ConversionError&) {
        std::string ascii;
        for (char c : utf8)
            if (static_cast<unsigned char>(c) < 0x80) ascii += c;
        return ascii;
    }
}

}  // namespace view
