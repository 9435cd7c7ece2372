// The program's embedded resources read as bytes, such as the WAVE images of its sounds.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// A Qt resource path such as u":/sounds/124.wav"; nothing when there is no such resource.
std::optional<std::vector<std::uint8_t>> readResource(std::u16string_view resourcePath);
