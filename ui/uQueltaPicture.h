#pragma once

class QColor;
class QIcon;
class QPainter;
class QRect;
class QString;

// The program's picture on the splash window and in the about box: an irrigated field under the
// sun, drawn rather than loaded so it scales to any box.
void DrawQueltaPicture(QPainter& painter, const QRect& box);

// The program's icon: a drop over a green field, drawn at the sizes desktops ask for.
QIcon QueltaIcon();
// The icon drawn into a size x size square at the painter's origin; small sizes leave out detail.
void DrawQueltaIcon(QPainter& painter, double size);
// The icon of one kind of data file: a page with a folded corner, the program's drop, and the
// kind's extension written across it ("GEN", "MTF", ...) in the kind's colour.
void DrawFileKindIcon(QPainter& painter, double size, const QString& label, const QColor& colour);
