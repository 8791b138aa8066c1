// The framework's form classes. Every screen is a TTitleForm: no system
// caption, a title bar component "TitleBar1", a thin two-tone frame, a 50-pixel
// drag zone, buttons disabled and restored together with the form, zoom by
// Ctrl+Alt+wheel and a Romanian system menu.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/base/design_themes.h"
#include "ui/platform/forms.h"
#include "ui/platform/std_controls.h"

class TTitleBar;

// A form's buttons with their saved enabled states.
class TButtonList {
public:
    void Add(TButton* button, bool enabled);
    TButton* GetButton(int index) const;       // nullptr outside the list
    bool GetEnabled(int index) const;          // false outside the list
    void SetEnabled(int index, bool value);    // ignored outside the list
    int Count() const { return static_cast<int>(FEntries.size()); }
    void Remove(const TButton* button);

private:
    struct TButtonInfo {
        TButton* Button;
        bool Enabled;
    };
    std::vector<TButtonInfo> FEntries;
};

class TMForm : public TForm {
public:
    explicit TMForm(TComponent* owner, std::wstring definition = {});
    ~TMForm() override;

    TZarvModuleKind Kind() const { return FKind; }
    void SetKind(TZarvModuleKind kind);
    int XKind() const { return FXKind; }
    void SetXKind(int value);
    bool FormLoaded = false;
    bool FormCreated = false;
    bool PrimaData = false;
    std::int16_t DPIScale = 0;
    TButton* FocusButton = nullptr;
    TButtonList* Botoane() const { return FBotoane; }
    virtual TWinControl* FirstControl(bool appending);

    void Loaded() override;
    void WndProc(TMessage& message) override;

    static constexpr int ZoomStep = 101;

protected:
    void DoCreate() override;
    void DoShow() override;
    void Resize() override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
    void Notification(TComponent* component, TOperation operation) override;
    virtual void EnableChanged(bool enabling);

private:
    void Zoom(TShiftState shift, bool up);
    void ScaleConstraints(int multiplier, int divisor);
    void RenameSystemMenu();

    TZarvModuleKind FKind = mDate;
    int FXKind = 0;
    int FTipMainForm = 0;
    TButtonList* FBotoane = nullptr;
};

class TPaintedForm : public TMForm {
public:
    using TMForm::TMForm;
    bool MustPaint = false;

protected:
    void Paint() override;
};

class TTitleForm : public TPaintedForm {
public:
    explicit TTitleForm(TComponent* owner, std::wstring definition = {});

    TTitleBar* TitleBar = nullptr;
    bool fWin10Sizeable = false;
    void SetBorderStyle(TFormBorderStyle style) override;
    void Loaded() override;
    void WndProc(TMessage& message) override;
    void KeyDown(WORD& key, TShiftState shift) override;
    // Draws the two-tone frame on the window's edges.
    void DrawFrame(HDC windowDC);

protected:
    void CreateParams(TCreateParams& params) override;
    void TextChanged() override;
    void EnableChanged(bool enabling) override;
};

// The form of the message dialog window: a right click presses its default
// button; three clicks on its picture switch the automatic modes.
class TMessageForm : public TTitleForm {
public:
    using TTitleForm::TTitleForm;
    bool SkipRightClick = false;
    int Clickuri = 0;
    void UseMouse(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
};

void RegisterFormClasses(class TClassRegistry& registry);
