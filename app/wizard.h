// The wizard driver: decides once whether this is an upgrade, prepares the
// upgrade package, then shows one modal screen at a time from the screen
// table and moves by each screen's result (1 next, 2 abandon, 4 back).
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "core/installer_state.h"
#include "ui/platform/types.h"

class TComponent;
class TCustomForm;

inline constexpr int ScreenNext = 1, ScreenAbandon = 2, ScreenBack = 4;

// One step's screen: how to make it (empty for a step without a screen yet,
// and for wsFinish) and the screen open now.
struct TScreenEntry {
    std::function<TCustomForm*(TComponent* owner)> Create;
    TCustomForm* Instance = nullptr;
};
extern std::array<TScreenEntry, WizardStepCount> ScreenTable;

// Fills the table with the screens the program has; runs at program start.
void InitScreenTable();

// Runs the whole interactive part; returns when the step is wsFinish.
void RunWizard();

// Where a screen of that size sits: centred horizontally, with eight ninths
// of the free height above it (signed divisions truncating toward zero).
TPoint ScreenPlacement(int screenWidth, int screenHeight, int formWidth, int formHeight);
// The step a screen's result leads to, before the step rules.
std::uint8_t StepAfterResult(std::uint8_t step, int result);
// The rules applied to the new step: the client question when the upgrade
// copy is entered, a client skipping the database upgrade, the end after it.
std::uint8_t ApplyStepRules(std::uint8_t step);

// Next to the running copy: unpacks UPGRADE.ZIP in upgrade mode, deletes it
// otherwise.
void PrepareUpgradePackage();
// In upgrade mode, asks a client whether to upgrade the server's database
// from here; true (and nothing asked) for any other type.
bool AskClientUpgrade();
