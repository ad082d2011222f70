#pragma once
// What start-up derives from the command line and the program's path, without any window.
#include <QString>

#include <cstdint>

namespace startup {

inline constexpr char MainCaption[] = "Quenlar : Extended Protocol Analyser : Version 2.20";
inline constexpr char ApplicationTitle[] = "Quenlar: Extended Protocol Analyser";
inline constexpr char HelpFileName[] = "zr-8.hlp";

// The port number given as the first command-line parameter, written in decimal. Anything else
// (hex, a word, a number no port can have) raises the failure shown at start-up.
std::uint16_t portNumberArgument(const QString& text);

// The folder part of the program file's path with its trailing separator; `currentDir` (as the
// platform reports it, without a trailing separator) when the path has no folder part.
QString programFolder(const QString& programPath, const QString& currentDir);

// The caption of the port button: "Com" and the port number.
QString portCaption(std::uint16_t comNumber);

}  // namespace startup
