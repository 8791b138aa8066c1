// Joining the numbered pieces of the component archives (EXE.1, EXE.2, ...)
// from the distribution disks into whole archives (EXE.ZIP) in the program
// directory. Nothing here throws: a piece that cannot be read or written adds
// nothing, and the damage shows when the archive is unpacked.
#pragma once

#include "core/installer_state.h"
#include "install/copy_progress.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Pieces are copied through one buffer of this size, allocated per piece.
inline constexpr std::size_t PieceCopyBlock = 2'500'000;

inline constexpr wchar_t AssemblyStatus[] = L"Asamblare arhive...";

// Joins the pieces of the components that `sets` selects for InstallType,
// disk by disk from SourceDir into ProposedProgramDir. A source that is not on
// a removable drive is one disk (DiskCount := 1); a trailing backslash is
// taken off SourceDir. False when the user cancelled at a disk prompt: the
// screen then closes with modal result 2, and what was joined stays.
bool AssembleArchives(ICopyProgress& progress, const TComponentSetTable& sets);

// Waits for the marker file SourceDir\DISKn, asking for the disk while it is
// missing. False when the user cancels.
bool DiskPrompt(ICopyProgress& progress, std::int32_t n);

// Whether a directory entry name is a piece of a selected component: an
// extension ending in a digit and a base name (before the first point, in
// upper case) that is a selected catalogue FileName.
bool IsArchivePiece(std::wstring_view name, const TComponentSetTable& sets);

// Pieces of one disk in the order they are joined: by component, then by the
// number of the piece (EXE.9 before EXE.10), names differing only in case once.
std::vector<std::wstring> JoinOrder(std::vector<std::wstring> pieces);

// Appends one piece to ProposedProgramDir\<base>.ZIP; piece ".1" starts the
// archive afresh.
void JoinPiece(ICopyProgress& progress, const std::wstring& name);
