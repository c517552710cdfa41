#pragma once

#include <QEvent>

// The refresh messages between windows. A window that changed shared data posts its number to
// every top-level window; each window reacts only to its own number, after the sender's handler
// has returned (the events are queued, never sent directly).
constexpr int WM_REFRESH_MAIN = 1025;
constexpr int WM_REFRESH_GENERAL = 1026;
constexpr int WM_REFRESH_METEO = 1027;
constexpr int WM_REFRESH_CROPFACTOR = 1028;
constexpr int WM_REFRESH_PATTERN = 1029;
constexpr int WM_REFRESH_STRATEGY = 1030;

// 1025..1030 lie inside Qt's user range, so they never collide with Qt's own events.
static_assert(WM_REFRESH_MAIN > QEvent::User && WM_REFRESH_STRATEGY < QEvent::MaxUser);

class TWindowMessage : public QEvent {
public:
    TWindowMessage(int id, int wParam, int lParam)
        : QEvent(static_cast<QEvent::Type>(id)), WParam(wParam), LParam(lParam) {}
    const int WParam;
    const int LParam;
};

// Posts message id to every top-level widget of the application.
void BroadCastBoodschap(int id, int wParam = 0, int lParam = 0);

// Whether event is window message id (for the receivers' event handlers).
inline bool IsWindowMessage(const QEvent* event, int id) {
    return event->type() == static_cast<QEvent::Type>(id);
}
