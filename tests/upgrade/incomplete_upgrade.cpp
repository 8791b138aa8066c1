// A test library with six of the seven upgrade entry points: SetQuickVerif is
// missing.
#include "upgrade/upgrade_api.h"

extern "C" {
void WINAPI GetAliasPath(wchar_t* aliasAndPath) { aliasAndPath[0] = L'\0'; }
void WINAPI SetReportProc(TUpgradeReportProc) {}
std::int32_t WINAPI DoStructureUpgrade() { return 0; }
std::int32_t WINAPI DoListUpgrade() { return 0; }
std::int32_t WINAPI DoConstUpgrade() { return 0; }
BOOL WINAPI GetSemaforOK(std::int32_t) { return TRUE; }
}
