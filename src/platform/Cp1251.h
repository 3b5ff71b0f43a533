#pragma once
// Cp1251: the one place where the program's Windows-1251 bytes become
// QString and back. Inside, text is bytes (one character = one byte, lengths
// and capacities counted in bytes); widgets get and give QString.
// Every byte decodes to a character; a character with no Windows-1251 code
// encodes as 0x1A.

#include <QString>
#include <string>
#include <string_view>

namespace Cp1251 {
QString toUnicode(std::string_view bytes);
std::string fromUnicode(const QString& text);
}  // namespace Cp1251
