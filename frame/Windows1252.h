// Conversion between UTF-8 (inside the program) and Windows-1252 (files
// shared with other installations), by a table of our own.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace Windows1252 {

// Bytes in Windows-1252 to UTF-8. The five codes that the code page leaves
// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 control of that code.
std::string NachUtf8(std::string_view bytes);

// UTF-8 to Windows-1252 bytes. A character the code page lacks becomes
// ersatz; a malformed UTF-8 sequence too.
std::string AusUtf8(std::string_view utf8, char ersatz = '?');

// The code of one character in Windows-1252, or nothing when it has none.
std::optional<unsigned char> Code(char32_t zeichen);
char32_t Zeichen(unsigned char code);

// True when the text is well-formed UTF-8.
bool IstUtf8(std::string_view text);

// Decodes one UTF-8 character at pos; advances pos. Malformed input gives
// U+FFFD and advances by one byte.
char32_t NächstesZeichen(std::string_view text, std::size_t& pos);
void Anhängen(std::string& utf8, char32_t zeichen);

// A text's key for sorting as the files hold it: one number per character,
// its Windows-1252 code (so €, Š, Ž, Œ, dashes and quotes, 0x80 to 0x9F,
// come before the Latin-1 letters), a character the code page lacks after
// all of them. Comparing keys compares the texts' bytes in the code page.
std::u32string Sortierschlüssel(std::string_view utf8);

} // namespace Windows1252
