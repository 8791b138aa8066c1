// The product-name typeface carried in the program ("HelveticaR" raw data),
// registered privately for this process from memory, at most once.
#pragma once

// True when the typeface is registered (now or before); any failure is
// silent and leaves it unregistered.
bool LoadEmbeddedTypeface();
// Unregisters it at program end (nothing when it never loaded).
void FreeEmbeddedTypeface();

inline constexpr wchar_t EmbeddedTypefaceName[] = L"Helvetica Black_r";
