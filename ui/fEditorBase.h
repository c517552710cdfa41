#pragma once

// The behaviour every data editor shares: New, Open, Save, Save As, Exit and closing with the
// save prompt; the `modified` flag and the Save/Save As enabling that follows it; the caption
// "Kind [file]"; the forced extension; filtering of typed numbers with the clipboard shortcuts let
// through; the range hint of the focused field; the refresh on the editor's own window message.
//
// An editor supplies only its values and its fields:
//
//   class TfrmGeneral : public TEditorBase {
//   public:
//       TfrmGeneral(TAllData& data, QWidget* owner)
//           : TEditorBase(GeneralValues(), AccessTo(data.General), data, owner) {
//           // build the fields into Body(), place RangeHint(), then per field:
//           WatchNumberField(edtAlti, TNumberEntry::SignedDecimal);
//           SetRangeHint(edtAlti, [this] { return AltitudeHint(); });
//       }
//   protected:
//       void SetUnitCaptions() override;              // captions naming a unit
//       void ShowDefaults() override;                 // the window's defaults after New
//       void ShowRecord() override;                   // record -> fields
//       void StoreFields(const std::string&) override; // fields -> record, FileName := name
//       std::vector<std::string> ClipboardBody() override;
//   };
//
// The editor is created hidden with the main window as owner; the main window calls
// ShowEditor(). Changes the editor makes outside the common commands call SetModified and
// Notify themselves.

#include "core/cNumberEntry.h"
#include "ui/uNumberKeys.h"
#include "ui/uRecentFiles.h"

#include <QWidget>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class QKeyEvent;
class QEventLoop;
class QLabel;
class QMenuBar;
class TAllData;
class TGuiSettings;
class TfrmToolBar;
struct TOutOfRange;

// The values that tell one editor from another.
struct TEditorValues {
    std::string CaptionFormat;  // "General data [%s]"
    std::string ClipboardTitle; // "General Data"
    std::string OpenFilter;     // "General files (*.gen)|*.gen|All files (*.*)|*.*"
    std::string SaveAsFilter;   // "" = the command strip's default
    std::string Extension;      // ".gen": every save writes this kind of file
    std::string TGuiSettings::*Folder = nullptr;     // start folder of the dialogs
    std::vector<int> Notifications;                  // window messages after New, Open, Save...
    int RefreshMessage = 0;                          // this editor's own window message
    std::string NewPrompt = "Save changes to file?"; // the general data editor asks otherwise
    bool ShowAfterSave = true;
    bool ProposeWithExtension = false; // Save As proposes the name with Extension already
};

// How the editor reaches its record in TAllData.
struct TRecordAccess {
    std::function<std::string&()> FileName;
    std::function<void()> Clear;
    std::function<bool(const std::string&)> Load;
    std::function<void(const std::string&)> Save;
};

template <class TRecord>
TRecordAccess AccessTo(TRecord& record) {
    return {[&record]() -> std::string& { return record.FileName; }, [&record] { record.Clear(); },
            [&record](const std::string& name) { return record.Load(name); },
            [&record](const std::string& name) { record.Save(name); }};
}

class TEditorBase : public QWidget {
    Q_OBJECT
public:
    TEditorBase(TEditorValues values, TRecordAccess record, TAllData& data, QWidget* owner);

    // Opens the window (restored if minimised) on the record: shown when it has a file, else New.
    void ShowEditor();

    void New();
    void Open();
    // Opens a file named from outside the window (the command line, a second start, the recent
    // files): after the usual save question, whose Yes saves and then opens the file asked for,
    // the file is read and the window shown on it. False when cancelled or not read.
    bool OpenFile(const std::string& fileName);
    // A file chosen under "Recent files": opened, or taken off the list with a message when it
    // is no longer there.
    void OpenRecentFile(const std::string& fileName);
    // Save and SaveAs return false when nothing was saved (refused, cancelled or failed).
    bool Save();
    bool SaveAs();
    void Exit();
    // Asked when the window is closed by its frame; false keeps it open.
    bool CloseQuery();
    // For the windows made for one use: shows the window modally with open and returns when it
    // has been closed.
    void ExecuteModal(const std::function<void()>& open);
    void CopyText();

    bool Modified() const { return modified; }
    void SetModified(bool value);
    TfrmToolBar* ToolBar() const { return toolBar; }
    QLabel* RangeHint() const { return lblRange; }
    // The clipboard text: file name, empty line, title, empty line, then the editor's body.
    std::string ClipboardText();

protected:
    virtual void SetUnitCaptions() = 0;
    virtual void ShowDefaults() = 0;
    virtual void ShowRecord() = 0;
    virtual void StoreFields(const std::string& fileName) = 0;
    virtual std::vector<std::string> ClipboardBody() = 0;
    // True when the record may not be saved; the editor tells the user why.
    virtual bool SaveRefused() { return false; }
    // Asks "Out of range: ... Save anyway?" for the first value out of range; true when the
    // user says No (nothing is saved then).
    bool SaveOutOfRangeRefused(const std::vector<TOutOfRange>& outOfRange);
    // What opening the window does; most editors show the record or start a new one.
    virtual void OnShowEditor();
    // Shows a record just loaded by Open.
    virtual void ShowOpenedRecord() { ShowRecordAndCaption(); }
    // A key was released in a watched field (after the field took the key).
    virtual void FieldKeyReleased(QWidget* field) { (void)field; }

    // Key handling of a text field: a key that changes its text marks a change; a number field
    // also drops typed characters its entry kind refuses and takes only pastes that leave a
    // number (uNumberKeys.h).
    void WatchTextField(QWidget* field);
    void WatchNumberField(QWidget* field, TNumberEntry entry);
    // The range hint shown while field has the focus; watched fields without one empty the line.
    void SetRangeHint(QWidget* field, std::function<std::string()> hint);
    // Rewrites the hint line for the focused field (after a change of units, for instance).
    void RefreshRangeHint();
    // An editor whose own widget (a grid) shows a hint of its own writes it and answers true.
    virtual bool ShowOwnHint(QWidget* focused) {
        (void)focused;
        return false;
    }

    void Notify();
    void UpdateCaption();
    // Shows the record with its caption rewritten.
    void ShowRecordAndCaption();

    QWidget* Body() const { return body; }
    QMenuBar* MenuBar() const { return menuBar; }
    TAllData& Data() const { return data; }
    TGuiSettings& Units() const;
    std::string& RecordFileName() const { return record.FileName(); }
    const TEditorValues& Values() const { return values; }

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    bool shortcutKey = false;

private:
    struct TWatched {
        bool Number = false;
        TNumberEntry Entry = TNumberEntry::Decimal;
        std::function<std::string()> Hint;
    };
    TEditorValues values;
    TRecordAccess record;
    TAllData& data;
    bool modified = false;
    TfrmToolBar* toolBar;
    QMenuBar* menuBar;
    QWidget* body;
    QLabel* lblRange;
    std::vector<std::pair<QWidget*, TWatched>> watched;
    QEventLoop* closedLoop = nullptr;
    TRecentFiles recent;

    enum class TAskResult { Go, Saved, Stop };
    TAskResult AskToSave(const std::string& text);
    bool LoadFile(const std::string& fileName);
    void PrepareToShow();
    void Present();
    bool SaveUnder(const std::string& fileName);
    bool SaveUnderChosenName();
    std::string Folder() const;
    TWatched* Watched(QObject* object);
    void MarkChangesOf(QWidget* field);
    void ShowHintFor(QWidget* focused);
    void KeyReleasedIn(QWidget* field);
};

// The save prompt: a confirmation with Yes, No and Cancel.
extern const std::string kSaveChanges; // "Save changes to file?"

// The fields in the order Tab visits them.
void SetTabOrder(std::initializer_list<QWidget*> order);

// The kind of file an open filter looks for: its first description ("General files (*.gen)").
std::string ExpectedFileKind(const std::string& openFilter);

enum class TSaveAnswer { Yes, No, Cancel };
TSaveAnswer AskSaveChanges(const std::string& text);
