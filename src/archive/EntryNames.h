#pragma once

#include <cstddef>
#include <string>

// Names stored without a character set, as DOS and Windows tools wrote them
// in the OEM code page and tools on Linux write them in UTF-8.

// Strict UTF-8: no overlong forms, surrogates or values past U+10FFFF.
bool IsUtf8(const char *text, size_t size);

// Code page 437 as UTF-8.
std::string Cp437ToUtf8(const char *text, size_t size);

// UTF-8 when the bytes are valid UTF-8, else code page 437.
std::string DecodeUnflaggedName(const char *text, size_t size);
