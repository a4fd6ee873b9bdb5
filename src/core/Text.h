#pragma once

#include <string>

namespace tolk {

/// Upper case for datum and grid names: only the letters a to z change, whatever the locale.
std::string AsciiUpper(std::string text);

/// The program's one comparison without regard to case (file types, datum and grid names,
/// settings sections and keys): equal once ASCII letters are upper-cased.
bool SameAsciiCase(const std::string& a, const std::string& b);

/// A name, or a one-line text holding one, with every control character shown as "?", so that a
/// name cannot break its line apart or steer a terminal.
std::string PrintableName(const std::string& name);

/// A text of the program's ("\r\n" between its lines) with "\n" alone between its lines and every
/// other control character shown as "?", for a terminal or a widget.
std::string PrintableLines(const std::string& text);

/// A text of lines ("\n" between them) cut to at most `maxLines` lines: when it has more, its
/// first lines and then "... and N more (see conversion.log)" for the N lines left out. For a
/// message box that must fit on the screen with its button.
std::string FirstLines(const std::string& text, int maxLines);

/// A text as one line whatever it holds: backslash, tab, line feed and carriage return written
/// as "\\", "\t", "\n" and "\r", any other control character as "\x" and two hexadecimal
/// digits. For records of one line a field, tab-separated.
std::string EscapedLine(const std::string& text);

} // namespace tolk
