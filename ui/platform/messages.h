// Messages of the form library. Windows messages travel as TMessage through
// each control's WndProc; the library adds its own notifications (CM_*) and
// reflects notifications that Windows sends to a parent back to the child
// control they concern (CN_* = WM_* + CN_BASE).
#pragma once

#include <windows.h>

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

inline constexpr UINT CM_BASE = WM_APP + 0x3000;
inline constexpr UINT CM_MOUSEENTER = CM_BASE + 1;     // LParam: the control
inline constexpr UINT CM_MOUSELEAVE = CM_BASE + 2;     // LParam: the control
inline constexpr UINT CM_DIALOGKEY = CM_BASE + 8;      // WParam: key; Result 1 when used
inline constexpr UINT CM_DIALOGCHAR = CM_BASE + 9;     // WParam: character; Result 1 when used
inline constexpr UINT CM_FOCUSCHANGED = CM_BASE + 10;  // LParam: the control with the focus
inline constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 11;
inline constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 12;
inline constexpr UINT CM_ENTER = CM_BASE + 13;
inline constexpr UINT CM_EXIT = CM_BASE + 14;
inline constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 15; // WParam: key; Result 1 when the control takes it
inline constexpr UINT CM_RELEASE = CM_BASE + 16;

inline constexpr UINT CN_BASE = 0xBC00;
inline constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
inline constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
inline constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
inline constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
inline constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
inline constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
inline constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
inline constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
inline constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
inline constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
inline constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
inline constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;

// Modal results.
inline constexpr int mrNone = 0;
inline constexpr int mrOk = IDOK;
inline constexpr int mrCancel = IDCANCEL;
inline constexpr int mrAbort = IDABORT;
inline constexpr int mrRetry = IDRETRY;
inline constexpr int mrIgnore = IDIGNORE;
inline constexpr int mrYes = IDYES;
inline constexpr int mrNo = IDNO;
inline constexpr int mrAll = mrNo + 1;
inline constexpr int mrNoToAll = mrAll + 1;
inline constexpr int mrYesToAll = mrNoToAll + 1;
