#pragma once

#include <QApplication>

// The program's application object. Every event of every window passes through notify, which is
// the one place an exception that escaped a handler can still be caught: the user reads
// "Error: " and its text, and the program goes on with every window's data as they were. It is
// a net under the handlers, not a replacement for their own error handling.
class TQueltaApplication : public QApplication {
    Q_OBJECT
public:
    TQueltaApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
