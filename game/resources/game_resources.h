// The game's embedded artwork and sounds: registering them and where each resource id lives.
#pragma once

#include <QString>

// Registers the embedded files with Qt's resource system. game_resources is a static library,
// so a program that links it calls this once at start-up, before the first lookup; the call
// is what keeps the linker from dropping the data. Calling it again does nothing.
void initGameResources();

// ":/bitmaps/<id>.bmp": pieces 115 to 121, selection frame 107, hint frame 122, sparkles 112 to
// 114. All are 24-bit with a pure white ground.
QString bitmapResourcePath(int id);

// ":/sounds/<id>.wav": the WAVE images of sounds 124, 125 and 126.
QString soundResourcePath(int id);

// The program icon at 256 by 256; ":/icons/zorvagon-<n>.png" holds n = 16, 24, 32, 48, 64, 128.
inline constexpr char programIconPath[] = ":/icons/zorvagon.png";
// The program icon at each of those sizes and 256, with %1 for the size.
inline constexpr char programIconSizesPath[] = ":/icons/zorvagon-%1.png";
