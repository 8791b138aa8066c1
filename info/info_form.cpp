#include "info/info_form.h"

void CreateInfoForm() {}
void FreeInfoForm() {}
void ShowInfoForm(bool) {}
