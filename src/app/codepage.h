#pragma once

#include <cstdint>
#include <string>

// The character of a single-byte code in Windows-1252, as UTF-8. The five codes that
// page leaves unassigned give U+FFFD.
std::string CharacterOfCode(uint8_t code);
