#include "core/wizard_screen.h"

#include "ui/platform/application.h"

std::function<void()> ShowInstructions;

TWizardScreen::TWizardScreen(TComponent* owner, std::wstring definition, bool offersInstructions)
    : TTitleForm(owner, std::move(definition)), FOffersInstructions(offersInstructions) {}

void ToggleBackgroundWindow(TCustomForm& screen) {
    if (TCustomForm* background = Application->MainForm(); background && background != &screen)
        background->SetVisible(!background->Visible());
    screen.BringToFront();
}

void TWizardScreen::KeyDown(WORD& key, TShiftState shift) {
    if (shift.Contains(ssAlt) && key == 'M') {
        ToggleBackgroundWindow(*this);
        key = 0;
        return;
    }
    if (shift.Contains(ssAlt) && key == 'H' && FOffersInstructions) {
        if (ShowInstructions) ShowInstructions();
        key = 0;
        return;
    }
    TTitleForm::KeyDown(key, shift);
}
