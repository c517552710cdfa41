#include "ui/platform/pPrintDialogs.h"

#include <QPrintDialog>
#include <QPrinter>

namespace {

class TQtPrintDialogs : public TPrintDialogs {
public:
    bool SetUpPrinter(QWidget* parent, QPrinter& printer) override {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
};

TPrintDialogs* installed = nullptr;

} // namespace

TPrintDialogs& PrintDialogs() {
    static TQtPrintDialogs qt;
    return installed ? *installed : qt;
}

void SetPrintDialogs(TPrintDialogs* dialogs) {
    installed = dialogs;
}
