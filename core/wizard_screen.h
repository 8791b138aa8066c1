// What every wizard screen shares: it is a title-bar form; Alt+M hides or
// shows the background window (the application's main form) and brings the
// screen back to the front; screens that offer the instructions show them
// on Alt+H.
#pragma once

#include <functional>

#include "ui/forms/form_classes.h"

// The instructions' show operation (the information form, automatic flag
// off); the program entry sets it, since that form lives above the screens.
extern std::function<void()> ShowInstructions;

class TWizardScreen : public TTitleForm {
public:
    TWizardScreen(TComponent* owner, std::wstring definition, bool offersInstructions = false);

    void KeyDown(WORD& key, TShiftState shift) override;

private:
    bool FOffersInstructions;
};

// Shows the background window when hidden, hides it when shown, and brings
// `screen` to the front.
void ToggleBackgroundWindow(TCustomForm& screen);
