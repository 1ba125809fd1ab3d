#include "screen_flush.h"

#include <QGuiApplication>
#include <qpa/qplatformnativeinterface.h>
#include <wayland-client.h>

void sendDrawingToScreen()
{
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    if (native == nullptr) return;
    if (auto* display = static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"))) wl_display_flush(display);
}
