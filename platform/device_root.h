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

// What the handheld's installer did: when "\my documents" is missing (a new root, an empty
// folder, or one the player emptied), creates it with "\my documents\zorv themes". A themes
// folder missing inside an existing "\my documents" stays missing. Returns whether it installed.
bool installOnFirstRun();
