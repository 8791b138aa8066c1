// The information form, which shows the installed version's instruction
// page over the background window. Until the form exists these operations
// do nothing.
#pragma once

// Created hidden with the background window and freed with it.
void CreateInfoForm();
void FreeInfoForm();
// Prepares the instruction page and, when there is one, shows the form.
void ShowInfoForm(bool IsAuto);
