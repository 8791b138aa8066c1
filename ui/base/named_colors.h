// The framework's own colour names. They are registered at start-up before
// the platform's standard names, so definitions can say clGrid and a value
// such as 0xDFDFDF reads back as its framework name.
#pragma once

#include "ui/platform/graphics/colors.h"

inline constexpr TColor clMenuTracking = static_cast<TColor>(0x3686FE);
inline constexpr TColor clTitleBarEnd = static_cast<TColor>(0x1ECDF9);
inline constexpr TColor cl1 = static_cast<TColor>(0x9C9C9D);
inline constexpr TColor cl2 = static_cast<TColor>(0xA9A9A9);
inline constexpr TColor clPaper = static_cast<TColor>(0xB6B6B6);
inline constexpr TColor cl3 = static_cast<TColor>(0xCFCFCF);
inline constexpr TColor clGrid = static_cast<TColor>(0xDFDFDF);
inline constexpr TColor clEdit = static_cast<TColor>(0xEFEFEF);
inline constexpr TColor clOther = static_cast<TColor>(0xA7792E);
inline constexpr TColor clActiveTitleBar = static_cast<TColor>(0x8A4507);
inline constexpr TColor clInactiveTitleBar = static_cast<TColor>(0x9A9A9A);

void RegisterFrameworkColors();
