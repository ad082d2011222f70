#pragma once
// Readable names for the rows of parameterised tests, so that a row reads as
// "Frames/ShortCommandName.IsShownInTheShortCommandGrid/20_01" rather than "/3" or a dump of
// the row's bytes:
//
//   INSTANTIATE_TEST_SUITE_P(Frames, ShortCommandName, ::testing::Values(...),
//                            paramname::from([](const ShortCase& c) { return c.name; }));
//
// Test names may hold only letters, digits and '_', and must differ within a suite.
#include <QString>

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>

namespace paramname {

// Any text as a test name. Letters and digits stay; the signs that tell rows apart become words
// ("+" Plus, "$" Dollar, "&" And, "*" Times, "@" At, "?" Query, and "-" before a number Minus);
// every run of anything else becomes one '_'. "Empty" for a text with none of these.
//   "Trace All to \ZR-8"  -> "Trace_All_to_ZR_8"      "- 5" -> "Minus_5"     "$2F" -> "Dollar_2F"
std::string safe(std::string_view text);
std::string safe(const QString& text);
inline std::string safe(const char* text) {
    return safe(std::string_view(text == nullptr ? "" : text));
}
inline std::string safe(const std::string& text) {
    return safe(std::string_view(text));
}
inline std::string safe(bool b) {
    return b ? "True" : "False";
}
template <std::integral N>
requires(!std::same_as<N, bool>) std::string safe(N n) {
    return safe(std::to_string(n));
}
inline std::string safe(double d) {
    return safe(QString::number(d));
}

// A number in upper-case hex, at least `digits` of them, "0x" in front: hex(0x1A) is "0x1A".
std::string hex(unsigned value, int digits = 2);

// Hex pairs written any way ("1A A0 81", "1AA081") as "1A_A0_81".
std::string hexPairs(std::string_view text);

// The parts, each made safe, joined with '_'.
template <typename... Parts>
std::string join(const Parts&... parts) {
    std::string name;
    ((name += (name.empty() ? "" : "_") + safe(parts)), ...);
    return name;
}

// A name generator from what names a row: a text, a number, or anything join gives.
template <typename Naming>
auto from(Naming naming) {
    return [naming](const auto& info) { return safe(naming(info.param)); };
}

// A name generator that names each row by its value itself (a text or a number).
struct ByValue {
    template <typename Info>
    std::string operator()(const Info& info) const {
        return safe(info.param);
    }
};

}  // namespace paramname
