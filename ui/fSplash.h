#pragma once

#include <QWidget>

// The start-up window: borderless, on top, centred; it closes itself 2 s after it is shown.
class TfrmSplash : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* parent = nullptr);

    static constexpr int ShowMilliseconds = 2000;

protected:
    void paintEvent(QPaintEvent* event) override;
};
