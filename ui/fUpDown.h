#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// An up-down spinner tied to a whole-number entry field: a click steps the field's number by one
// within Min..Max and then reports the click. The field stays a plain text field, so typing keeps
// its own rules; Up and Down in the field step it too.
class TUpDown : public QWidget {
    Q_OBJECT
public:
    TUpDown(QLineEdit* associate, int min, int max, QWidget* parent = nullptr);

    int Min() const { return min; }
    int Max() const { return max; }
    // A new range; the field's text is left as it is.
    void SetRange(int lowest, int highest);
    void Step(int delta);

    QToolButton* UpButton() const { return up; }
    QToolButton* DownButton() const { return down; }

signals:
    void Clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* associate;
    QToolButton* up;
    QToolButton* down;
    int min;
    int max;
};
