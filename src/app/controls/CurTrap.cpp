#include "controls/CurTrap.h"

#include <QGuiApplication>
#include <QWidget>

#include <algorithm>
#include <cmath>

#if defined(VERBOLARIO_XCB) && QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#define CURTRAP_X11 1
#endif

namespace verbolario {

#ifdef CURTRAP_X11
namespace {

xcb_connection_t* connessione() {
    if (!qGuiApp) return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

int pixel(double v) {
    return static_cast<int>(std::lround(v));
}

} // namespace
#endif

CurTrap::~CurTrap() {
    CurFree();
}

bool CurTrap::confina(QWidget& controllo) {
    CurFree();
#ifdef CURTRAP_X11
    xcb_connection_t* c = connessione();
    QWidget* finestra = controllo.window();
    if (!c || !finestra || !finestra->windowHandle()) return false;
    const auto genitore = static_cast<xcb_window_t>(finestra->winId());
    const double dpr = finestra->devicePixelRatioF();
    const QPoint o = controllo.mapTo(finestra, QPoint(0, 0));
    const auto larga = static_cast<uint16_t>(std::max(1, pixel(controllo.width() * dpr)));
    const auto alta = static_cast<uint16_t>(std::max(1, pixel(controllo.height() * dpr)));
    const xcb_window_t id = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, id, genitore,
                      static_cast<int16_t>(pixel(o.x() * dpr)),
                      static_cast<int16_t>(pixel(o.y() * dpr)), larga, alta, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_map_window(c, id);
    // The press that starts the drag has given this program an implicit grab of the
    // toolkit's own kind, which a confined grab cannot take over: it is ended first. With
    // owner events the toolkit keeps receiving its events as before.
    xcb_ungrab_pointer(c, XCB_CURRENT_TIME);
    const uint16_t eventi =
        XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE | XCB_EVENT_MASK_POINTER_MOTION;
    const xcb_grab_pointer_cookie_t ck =
        xcb_grab_pointer(c, 1, genitore, eventi, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC, id,
                         XCB_NONE, XCB_CURRENT_TIME);
    xcb_generic_error_t* errore = nullptr;
    xcb_grab_pointer_reply_t* r = xcb_grab_pointer_reply(c, ck, &errore);
    const bool preso = r && r->status == XCB_GRAB_STATUS_SUCCESS;
    std::free(r);
    std::free(errore);
    if (!preso) {
        xcb_destroy_window(c, id);
        xcb_flush(c);
        return false;
    }
    finestra_ = id;
    return true;
#else
    (void)controllo;
    return false;
#endif
}

void CurTrap::CurFree() {
    if (!finestra_) return;
#ifdef CURTRAP_X11
    if (xcb_connection_t* c = connessione()) {
        xcb_ungrab_pointer(c, XCB_CURRENT_TIME);
        xcb_destroy_window(c, finestra_);
        xcb_flush(c);
    }
#endif
    finestra_ = 0;
}

} // namespace verbolario
