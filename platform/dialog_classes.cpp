// The registry of control classes and the painting of one control.
#include "platform/dialog_classes.h"

#include <map>

namespace {

std::map<std::u16string, ControlPainter, std::less<>>& controlClasses() {
    static std::map<std::u16string, ControlPainter, std::less<>> classes;
    return classes;
}

// Controls are small; a template asking for more is refused rather than allocated.
constexpr int kMaxControlSide = 8192;

} // namespace

void registerControlClass(std::u16string_view name, ControlPainter painter) {
    controlClasses()[std::u16string(name)] = std::move(painter);
}

void unregisterControlClass(std::u16string_view name) {
    const auto found = controlClasses().find(name);
    if (found != controlClasses().end()) {
        controlClasses().erase(found);
    }
}

QImage paintControl(std::u16string_view className, int width, int height) {
    if (width <= 0 || height <= 0 || width > kMaxControlSide || height > kMaxControlSide) {
        return {};
    }
    QImage client(width, height, QImage::Format_RGB32);
    client.fill(Qt::white);
    const auto found = controlClasses().find(className);
    if (found != controlClasses().end() && found->second) {
        found->second(client);
    }
    return client;
}
