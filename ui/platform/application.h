// The application and the screen: the message loop, the main form, the
// default error report, and what the program knows of the display, the
// active form and the cursor.
#pragma once

#include <functional>
#include <vector>

#include "ui/platform/forms.h"
#include "ui/platform/hint_window.h"

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    // Registers the common controls; call once before the first form.
    void Initialize();
    // Frees the forms the application owns; the program entry calls it
    // before the framework shuts down.
    void FreeForms();
    TCustomForm* MainForm() const { return FMainForm; }
    void SetMainForm(TCustomForm* form) { FMainForm = form; }
    // Creates a form owned by the application; the first becomes the main form.
    template <class T>
    void CreateForm(T*& reference) {
        reference = NewForm<T>(this);
        if (!FMainForm) FMainForm = reference;
    }
    // Shows the main form and handles messages until Terminate.
    void Run();
    // Handles every message waiting now, then returns.
    void ProcessMessages();
    // Handles one message, waiting for one when none is queued.
    void HandleMessage();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    void Minimize();
    void Restore();

    // The default error report: OnException when set, else a message box
    // with the error's text. The program goes on afterwards.
    void HandleException(const std::exception& error);
    void ShowException(const std::exception& error);
    std::function<void(TObject* Sender, const std::exception& Error)> OnException;

    std::wstring Title = L"Zarvanto";
    TColor HintColor = clInfoBk;
    bool ShowHint = true;
    UINT HintPause = 500;  // milliseconds before a hint shows
    THintWindow& Hint() { return FHint; }
    void CancelHint() { FHint.Hide(); }

    TControl* MouseControl() const { return FMouseControl; }
    void SetMouseControl(TControl* control);
    void ControlDestroyed(TControl* control);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool ProcessMessage(MSG& msg);
    void TrackMouse(const MSG& msg);
    TControl* ControlUnderCursor() const;
    bool IsKeyMessage(MSG& msg);

    TCustomForm* FMainForm = nullptr;
    bool FTerminated = false;
    bool FReporting = false;
    TControl* FMouseControl = nullptr;
    THintWindow FHint;
};

class TScreen {
public:
    int Width() const;
    int Height() const;
    int PixelsPerInch() const;
    TCustomForm* ActiveForm() const { return FActiveForm; }
    void SetActiveForm(TCustomForm* form) { FActiveForm = form; }
    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* control) { FActiveControl = control; }
    // A cursor shown over every window of the program; crDefault lets each
    // control show its own.
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor cursor);
    int FormCount() const { return static_cast<int>(FForms.size()); }
    TCustomForm* Forms(int index) const { return FForms.at(static_cast<std::size_t>(index)); }
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);

private:
    TCustomForm* FActiveForm = nullptr;
    TWinControl* FActiveControl = nullptr;
    TCursor FCursor = crDefault;
    std::vector<TCustomForm*> FForms;
};

extern TApplication* const Application;
extern TScreen* const Screen;
