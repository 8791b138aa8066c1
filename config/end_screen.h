// The last screen of a fresh installation and of an upgrade: "I&esire" ends
// the wizard, "&Inapoi" returns to the configuration screen.
#pragma once

#include "core/wizard_screen.h"

class TEndScreen : public TWizardScreen {
public:
    explicit TEndScreen(TComponent* owner);
};
