// Start from the distribution: the first instance copies itself, the upgrade
// package and the configuration into a fresh temporary directory with a marker
// naming the distribution, and starts the copy; the copy reads the marker.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

inline constexpr wchar_t MarkerFileName[] = L"INSTZARV.DAT";

// Makes the temporary copy and starts it (without waiting). Returns the
// directory it made.
std::wstring RelaunchFromTemp();

// Sets DiskCount from "instzarv.cfg" beside the running program
// ([General] NrDiscuri, default 6; a value that is not a number reads as 0).
void ReadDiskCount();
// The disk count that the configuration file in `programDir` gives.
std::int32_t DiskCountFromConfig(const std::wstring& programDir);

// Marker contents: the distribution directory (with its trailing backslash)
// and CR LF, in the ANSI code page. A path the code page cannot hold is
// written as UTF-8 behind a byte-order mark instead, so it reaches the copy
// intact.
std::string EncodeMarker(const std::wstring& distributionDir);

// The first line of a marker, decoded; nothing when the marker is missing,
// unreadable or empty.
std::optional<std::wstring> ReadMarkerLine(const std::wstring& markerPath);

// The non-window steps of the program entry. Returns true when this instance
// is the relaunched copy (SourceDir set), false when it relaunched and must end.
bool BootstrapInstance();
