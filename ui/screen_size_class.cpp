#include "ui/screen_size_class.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "model/settings.h"

namespace taravin {

namespace {
std::optional<int32_t>& sizeClassOverride() {
    static std::optional<int32_t> chosen;
    return chosen;
}
}  // namespace

void setScreenSizeClassOverride(std::optional<int32_t> sizeClass) {
    sizeClassOverride() = sizeClass;
}

int32_t screenSizeClass(const QWidget* widget) {
    if (sizeClassOverride()) {
        return *sizeClassOverride();
    }
    const QScreen* screen = widget ? widget->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return resolutionClass(0);
    }
    return resolutionClass(screen->availableGeometry().height());
}

}  // namespace taravin
