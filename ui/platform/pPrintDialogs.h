#pragma once

class QPrinter;
class QWidget;

// The print dialog as the windows use it. Tests install their own TPrintDialogs to answer it
// (printing to a PDF file, say); the program uses QPrintDialog.
class TPrintDialogs {
public:
    virtual ~TPrintDialogs() = default;
    // Lets the user choose and set up the printer; false when cancelled.
    virtual bool SetUpPrinter(QWidget* parent, QPrinter& printer) = 0;
};

TPrintDialogs& PrintDialogs();
// nullptr restores QPrintDialog. The caller keeps ownership.
void SetPrintDialogs(TPrintDialogs* dialogs);
