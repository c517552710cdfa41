#pragma once

class QIcon;
class QPainter;
class QRect;

// The program's picture on the splash window and in the about box: an irrigated field under the
// sun, drawn rather than loaded so it scales to any box.
void DrawQueltaPicture(QPainter& painter, const QRect& box);

// The program's icon: a drop over a green field, drawn at the sizes desktops ask for.
QIcon QueltaIcon();
