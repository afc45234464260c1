#pragma once

#include <string>
#include <string_view>

namespace nakkas {

// What the user types goes into generated files as it is, except where it would end or change
// the construct it stands in. A text that needs no escape keeps its bytes.

// The text as the value of a double-quoted XML attribute: "&", "<", ">" and '"' as entity
// references, so that a title like Tom & Jerry keeps the file well-formed and a typed quote
// cannot add attributes or elements of its own. Characters no XML file can hold (control
// characters other than tab and the line breaks, U+FFFE, U+FFFF) are left out.
std::string xmlAttribute(std::string_view text);

// The text inside a double-quoted Java string literal: '"' and '\' escaped with a backslash.
// Line breaks stay as they are.
std::string javaString(std::string_view text);

// The text inside a double-quoted Kotlin string literal: '"', '\' and '$' (which would start a
// template) escaped with a backslash. A Kotlin literal cannot span lines, so CR and LF become
// \r and \n: a message typed on two lines still shows on two.
std::string kotlinString(std::string_view text);

}  // namespace nakkas
