#include "ui/base/named_colors.h"

void RegisterFrameworkColors() {
    static bool done = false;
    if (done) return;
    done = true;
    const struct {
        const wchar_t* Name;
        TColor Value;
    } colors[] = {
        {L"clMenuTracking", clMenuTracking}, {L"clTitleBarEnd", clTitleBarEnd}, {L"cl1", cl1},
        {L"cl2", cl2},                       {L"clPaper", clPaper},             {L"cl3", cl3},
        {L"clGrid", clGrid},                 {L"clEdit", clEdit},               {L"clOther", clOther},
        {L"clActiveTitleBar", clActiveTitleBar}, {L"clInactiveTitleBar", clInactiveTitleBar},
    };
    for (const auto& c : colors) RegisterColorName(c.Name, c.Value);
}
