// The first screen of a fresh installation: LOCAL, SERVER or CLIENT. The
// choice goes to InstallType; the screen has Continue and Abandon only.
#pragma once

#include "core/wizard_screen.h"

class TIType : public TWizardScreen {
public:
    explicit TIType(TComponent* owner);

    bool FirstTime = true;  // until the screen has been shown once

private:
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void ITypeModify(TObject* Sender, bool& CanModify);
    void BNextClick(TObject* Sender);
};
