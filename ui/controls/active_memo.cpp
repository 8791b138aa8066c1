#include "ui/controls/active_memo.h"

TActiveMemo::TActiveMemo(TComponent* owner) : TMemo(owner), FLink(*this) { SetBorderStyle(bsNone); }

void TActiveMemo::WndProc(TMessage& m) {
    TMemo::WndProc(m);
    if (m.Msg == WM_SETFOCUS) FLink.Highlight();
    if (m.Msg == WM_KILLFOCUS) FLink.Restore();
}
