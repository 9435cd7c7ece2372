// The paint handler: draws the frame into the persistent back buffer and shows it.
#pragma once

class Window;

void paintWindow(Window& window);
// Forgets the back buffer; the next paint starts from a fresh, white one.
void releaseBackBuffer();
