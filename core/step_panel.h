// The step panels of the configuration and database-upgrade screens: a
// plain panel in the form's colour that marks a step pending or done.
#pragma once

class TPanel;

// Pending: no bevel, black text aligned right. Done: raised bevel, red text
// aligned left.
void SetStepPending(TPanel& panel);
// Gives the done look, repaints at once and lets the waiting messages run,
// so the mark shows before the next step starts.
void SetStepDone(TPanel& panel);
