#include "ui/platform/window_proc.h"

#include <map>

#include "ui/platform/application.h"
#include "ui/platform/sysutils.h"

namespace {

const wchar_t TargetProp[] = L"Zarvanto.Target";
thread_local TWindowTarget* CreatingTarget = nullptr;

LRESULT CALLBACK LibraryWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    TWindowTarget* target = BoundTarget(window);
    if (!target) {
        target = CreatingTarget;
        if (!target) return DefWindowProcW(window, msg, wParam, lParam);
        CreatingTarget = nullptr;
        SetPropW(window, TargetProp, target);
    }
    TMessage m{msg, wParam, lParam, 0};
    try {
        target->HandleWindowMessage(window, m);
    } catch (...) {
        ReportHandlerException();
    }
    if (msg == WM_NCDESTROY) {
        RemovePropW(window, TargetProp);
        target->WindowUnbound(window);
    }
    return m.Result;
}

}  // namespace

void ReportHandlerException() noexcept {
    try {
        try {
            throw;
        } catch (const std::exception& e) {
            Application->HandleException(e);
        } catch (...) {
            Application->HandleException(Exception(L"Eroare neprevazuta"));
        }
    } catch (...) {
        // The report itself failed: nothing more can be said safely.
    }
}

const TRegisteredClass& RegisterWindowClass(const TWindowClassInfo& info) {
    static std::map<std::wstring, TRegisteredClass> classes;
    const std::wstring key = info.Name + L"#" + info.SysClassName + L"#" + std::to_wstring(info.Style);
    if (auto it = classes.find(key); it != classes.end()) return it->second;

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    WNDPROC defaultProc = DefWindowProcW;
    if (!info.SysClassName.empty()) {
        if (!GetClassInfoExW(nullptr, info.SysClassName.c_str(), &wc))
            throw EOSError(L"Clasa de fereastra " + info.SysClassName, GetLastError());
        defaultProc = wc.lpfnWndProc;
        wc.cbSize = sizeof wc;
        wc.style = (wc.style & ~static_cast<UINT>(CS_DBLCLKS | CS_GLOBALCLASS)) | (info.Style & CS_DBLCLKS);
    } else {
        wc.style = info.Style;
        if (info.ArrowCursor) wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    }
    const std::wstring name = L"Zarvanto." + info.Name + L"." + std::to_wstring(classes.size());
    wc.lpfnWndProc = LibraryWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = name.c_str();
    if (!RegisterClassExW(&wc)) throw EOSError(L"Inregistrarea clasei " + name, GetLastError());
    return classes.emplace(key, TRegisteredClass{name, defaultProc}).first->second;
}

HWND CreateBoundWindow(TWindowTarget& target, const TRegisteredClass& cls, DWORD exStyle, const std::wstring& caption,
                       DWORD style, int x, int y, int width, int height, HWND parent, HMENU menu) {
    CreatingTarget = &target;
    HWND window = CreateWindowExW(exStyle, cls.Name.c_str(), caption.c_str(), style, x, y, width, height, parent, menu,
                                  GetModuleHandleW(nullptr), nullptr);
    const DWORD error = GetLastError();
    CreatingTarget = nullptr;
    if (!window) throw EOSError(L"Crearea ferestrei " + cls.Name, error);
    return window;
}

TWindowTarget* BoundTarget(HWND window) { return static_cast<TWindowTarget*>(GetPropW(window, TargetProp)); }
