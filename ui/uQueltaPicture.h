#pragma once

class QPainter;
class QRect;

// The program's picture on the splash window and in the about box: an irrigated field under the
// sun, drawn rather than loaded so it scales to any box.
void DrawQueltaPicture(QPainter& painter, const QRect& box);
