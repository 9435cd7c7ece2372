// A set of files that belong together (a theme's seven bitmaps), replaced as one by one rename.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The set `name` of `home` is the folder that the link home/name leads to; its files are read
// and written as usual through it (home/name/1.bmp). Each replacement of the whole set is a
// fresh folder beside the old one, and the link is swapped over to it with one rename, so a
// crash at any moment leaves the old set or the new one, never a mixture.

// Makes `home` and an empty set when there is none yet, or when the link leads nowhere. Gives
// whether home/name now leads to a folder.
bool ensureFileSet(const std::filesystem::path& home, std::string_view name);

// Replaces the whole set with files of these names and contents, every one written whole and
// synced before the swap. A failure leaves the old set as it was and removes what was written.
bool replaceFileSet(const std::filesystem::path& home, std::string_view name,
                    std::span<const std::string> fileNames,
                    std::span<const std::vector<std::uint8_t>> contents);

// Removes what a crash left: sets and links that writers which have ended were making or had
// replaced, and temporary files of ended writers inside the current set, which stays whole.
void removeFileSetLeftovers(const std::filesystem::path& home, std::string_view name);
