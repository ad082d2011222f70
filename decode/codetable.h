#pragma once
// Code-to-name tables of the decoders: plain constant data beside the function that looks a code
// up. Names are Latin-1 texts kept exactly as the displays and traces show them (blanks included).
#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace decode {

struct CodeName {
    std::uint8_t code;
    std::string_view name;
};

// The name of `code` in `table`, or nothing when the table has no row for it.
constexpr std::optional<std::string_view> lookup(std::span<const CodeName> table,
                                                 std::uint8_t code) {
    const auto row = std::find_if(table.begin(), table.end(),
                                  [code](const CodeName& r) { return r.code == code; });
    if (row == table.end()) return std::nullopt;
    return row->name;
}

// One status-grid column: the text of each row (row = bit + 1); nothing for a row left as it is.
using ColumnTexts = std::array<std::optional<QString>, 8>;

// A bit shown on its own row: one text when set, another when clear.
struct BitTexts {
    std::string_view set;
    std::string_view clear;
};

inline QString text(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

inline QString text(const BitTexts& texts, bool set) {
    return text(set ? texts.set : texts.clear);
}

inline std::optional<QString> text(std::optional<std::string_view> name) {
    if (!name) return std::nullopt;
    return text(*name);
}

}  // namespace decode
