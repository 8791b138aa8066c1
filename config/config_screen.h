// The configuration screen: one press of Continue registers the engine and
// the aliases, runs the helper tools and creates the program group, each
// step marked on its panel as it ends.
#pragma once

#include "core/wizard_screen.h"

class TConfig : public TWizardScreen {
public:
    explicit TConfig(TComponent* owner);

private:
    void FormCreate(TObject* Sender);
    void BNextClick(TObject* Sender);
};
