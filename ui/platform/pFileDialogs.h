#pragma once

#include <string>

class QWidget;

// Open and save dialogs as the editors use them. Tests install their own TFileDialogs to answer
// the dialogs; the program uses QFileDialog.
class TFileDialogs {
public:
    virtual ~TFileDialogs() = default;
    // The chosen file, or "" when the dialog was cancelled. filter is in the editors' own form
    // "Text (*.x)|*.x|All files (*.*)|*.*".
    virtual std::string OpenFileName(QWidget* parent, const std::string& folder,
                                     const std::string& filter) = 0;
    // Asks before overwriting an existing file.
    virtual std::string SaveFileName(QWidget* parent, const std::string& folder,
                                     const std::string& filter,
                                     const std::string& proposedName) = 0;

    // A save dialog whose filters decide the kind of file: the chosen name (with the extension
    // of the chosen filter when the user typed none) and the position of the chosen filter,
    // -1 when the dialog cannot tell.
    struct TSaveChoice {
        std::string FileName;
        int Filter = -1;
    };
    virtual TSaveChoice SaveFileChoice(QWidget* parent, const std::string& folder,
                                       const std::string& filter, const std::string& proposedName) {
        return {SaveFileName(parent, folder, filter, proposedName), -1};
    }
};

TFileDialogs& FileDialogs();
// nullptr restores the QFileDialog dialogs. The caller keeps ownership.
void SetFileDialogs(TFileDialogs* dialogs);

// "A (*.x)|*.x|All files (*.*)|*.*" -> "A (*.x);;All files (*)": Qt lists only the
// descriptions, and "*.*" would hide files without an extension. A description without its
// pattern gets it: "bmp-files|*.bmp" -> "bmp-files (*.bmp)".
std::string QtFileFilter(const std::string& filter);
