#include "tests/support/paramname.h"

#include <array>
#include <cctype>
#include <utility>

namespace paramname {
namespace {

bool isAlnum(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

constexpr std::array<std::pair<char, std::string_view>, 6> SignWords{{
    {'+', "Plus"},
    {'$', "Dollar"},
    {'&', "And"},
    {'*', "Times"},
    {'@', "At"},
    {'?', "Query"},
}};

// The word a sign stands for, or nothing. A '-' is a minus only in front of a number, not
// inside a word ("Pre-Roll") nor in front of an option ("--load").
std::string_view wordFor(std::string_view text, std::size_t i) {
    const char c = text[i];
    if (c == '-') {
        const bool afterWord = i > 0 && isAlnum(text[i - 1]);
        const std::size_t next = text.find_first_not_of(' ', i + 1);
        const bool beforeNumberOrEnd = next == std::string_view::npos || isDigit(text[next]);
        return !afterWord && beforeNumberOrEnd ? "Minus" : "";
    }
    for (const auto& [sign, word] : SignWords) {
        if (sign == c) return word;
    }
    return {};
}

}  // namespace

std::string safe(std::string_view text) {
    std::string name;
    bool gap = false;
    const auto add = [&](std::string_view piece) {
        if (gap && !name.empty()) name += '_';
        name += piece;
        gap = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isAlnum(text[i])) {
            add(text.substr(i, 1));
        } else if (const std::string_view word = wordFor(text, i); !word.empty()) {
            gap = true;
            add(word);
            gap = true;
        } else {
            gap = true;
        }
    }
    return name.empty() ? "Empty" : name;
}

std::string safe(const QString& text) {
    return safe(std::string_view(text.toStdString()));
}

std::string hex(unsigned value, int digits) {
    return "0x" +
           QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper().toStdString();
}

std::string hexPairs(std::string_view text) {
    std::string name;
    int inPair = 0;
    for (const char c : text) {
        if (std::isxdigit(static_cast<unsigned char>(c)) == 0) continue;
        if (inPair == 2) {
            name += '_';
            inPair = 0;
        }
        name += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        ++inPair;
    }
    return name.empty() ? "Empty" : name;
}

}  // namespace paramname
