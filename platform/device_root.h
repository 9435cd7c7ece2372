// The device root: the one folder that stands for the handheld's file system, and its path mapping.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

// $ZORVAGON_ROOT if set, else $XDG_DATA_HOME/zorvagon, else ~/.local/share/zorvagon.
std::filesystem::path deviceRoot();

// Maps a handheld path such as "\my documents\zorv.prf" into the device root. Each component is
// matched case-insensitively against what exists; components that do not exist yet are kept as
// written. Paths that could leave the root ("..", "."), or hold a zero unit, give nothing.
std::optional<std::filesystem::path> nativePath(std::u16string_view handheldPath);

// What the handheld's installer did: when the device root does not exist yet, creates it with
// "\my documents" and "\my documents\zorv themes". Returns whether this was the first run.
bool installOnFirstRun();
