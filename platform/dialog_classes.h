// Control classes: painters for custom controls, registered by name and used by every dialog.
#pragma once

#include <QImage>
#include <functional>
#include <string>
#include <string_view>

// Paints a control's client area; it is handed the area on its white ground.
using ControlPainter = std::function<void(QImage& client)>;

// Registers (or replaces) the painter of a class.
void registerControlClass(std::u16string_view name, ControlPainter painter);
void unregisterControlClass(std::u16string_view name);

// The client area of a control of this class and size, freshly painted; white for a class that
// is not registered.
QImage paintControl(std::u16string_view className, int width, int height);
