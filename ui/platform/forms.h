// Forms: top-level windows that hold controls, show modelessly or modally,
// keep track of their focused control and can preview keys. A form class
// with a definition (see form_definition.h) names it in its constructor;
// NewForm constructs the object, reads the definition, calls Loaded and fires
// OnCreate, so virtual methods of the derived class take part in all of it.
#pragma once

#include <any>
#include <map>

#include "ui/platform/win_control.h"

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
enum TFormStyle { fsNormal, fsStayOnTop };
enum TPosition { poDesigned, poScreenCenter, poMainFormCenter, poOwnerFormCenter, poDefault };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;
using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent = std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;

class TCustomForm : public TWinControl {
public:
    // `definition`: the name of the form's definition resource; empty for a
    // form built in code.
    explicit TCustomForm(TComponent* owner, std::wstring definition = {});
    ~TCustomForm() override;

    // Reads the definition, calls Loaded on everything it created, scales to
    // the screen and fires OnCreate. NewForm calls it once.
    void InitializeForm();
    const std::wstring& DefinitionName() const { return FDefinition; }

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    virtual void SetBorderStyle(TFormBorderStyle style);
    unsigned BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(unsigned icons);
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle style);
    TPosition Position = poDesigned;
    TWindowState WindowState = wsNormal;   // how the form is shown
    // Space kept free inside the client area's edges for aligned controls.
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);
    bool KeyPreview = false;
    int PixelsPerInch = 96;
    bool Scaled = true;
    int ModalResult = mrNone;

    void SetClientWidth(int v) override;
    void SetClientHeight(int v) override;
    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    void SetVisible(bool visible) override;
    bool Showing() const override;
    void ScaleBy(int multiplier, int divisor);

    int ShowModal();
    bool IsModal() const { return FModal; }
    void Close();
    virtual bool CloseQuery();
    // Frees the form once the messages now queued have been handled.
    void Release();
    void BringToFront();

    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* control);
    bool Active() const { return FActive; }
    // Gives the focus to a control of this form (now, or when it shows).
    void FocusControl(TWinControl* control);
    void SetFocusedControl(TWinControl* control);
    void ControlRemoved(TWinControl* control);

    // Event handlers named by the definition.
    void RegisterHandler(const std::wstring& name, std::any handler);
    const std::any* FindHandler(std::wstring_view name) const;

    TCanvas& Canvas() { return FCanvas; }
    void WndProc(TMessage& message) override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyPress(wchar_t& key) override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TMouseWheelEvent OnMouseWheel;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;

protected:
    void BeforeDestruction() override;
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void AdjustClientRect(TRect& rect) const override;
    void PaintWindow(HDC dc) override;
    virtual void DoCreate();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);
    virtual void DoDestroy();
    virtual void Activate();
    virtual void Deactivate();
    virtual void Paint();
    virtual bool DoMouseWheel(TShiftState shift, int delta, TPoint mousePos);
    virtual bool DoMouseWheelDown(TShiftState shift, TPoint mousePos);
    virtual bool DoMouseWheelUp(TShiftState shift, TPoint mousePos);
    bool WantsKey(WORD key) override;

private:
    void DialogKey(TMessage& m);
    void CloseModal();
    void PlaceOnFirstShow();
    void ActivateFocus();
    TRect NonClientMargins() const;

    std::wstring FDefinition;
    TFormBorderStyle FBorderStyle = bsSizeable;
    unsigned FBorderIcons = biSystemMenu | biMinimize | biMaximize;
    TFormStyle FFormStyle = fsNormal;
    TWinControl* FActiveControl = nullptr;
    bool FModal = false;
    bool FActive = false;
    bool FPlaced = false;
    bool FCreated = false;   // InitializeForm reached OnCreate
    int FBorderWidth = 0;
    std::map<std::wstring, std::any, std::less<>> FHandlers;
    TCanvas FCanvas;
};

class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
};

// Creates a form and initialises it (definition, Loaded, OnCreate).
template <class T, class... Args>
T* NewForm(Args&&... args) {
    T* form = new T(std::forward<Args>(args)...);
    try {
        form->InitializeForm();
    } catch (...) {
        form->Free();
        throw;
    }
    return form;
}
