// The bridge's own texts and the catalogue entries it asks for.
#pragma once

namespace texts {

constexpr const char* kProductTitle = "Ferl 4.0";
// Between the product title and the volume name.
constexpr const char* kVolumeSeparator = " -  ";
// Logged in place of a missing permanent or temporary line.
constexpr const char* kNullLineMarker = "pszMessage == NULL !?!";

// The interrupt message of the engine's catalogue and the buffer it is read
// into.
constexpr int kInterruptGroup = 5;
constexpr int kInterruptId = 2;
constexpr int kInterruptBufferSize = 128;

} // namespace texts
