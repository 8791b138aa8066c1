#include "ui/controls/active_memo.h"

TActiveMemo::TActiveMemo(TComponent* owner) : TMemo(owner), FLink(*this) { SetBorderStyle(bsNone); }

void TActiveMemo::WndProc(TMessage& m) {
    TMemo::WndProc(m);
    if (m.Msg == WM_SETFOCUS) FLink.Highlight();
    if (m.Msg == WM_KILLFOCUS) FLink.Restore();
}

void TActiveMemo::Notification(TComponent* component, TOperation operation) {
    TMemo::Notification(component, operation);
    if (operation == TOperation::opRemove) FLink.Forget(component);
}
