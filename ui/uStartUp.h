#pragma once

#include "ui/fQueltaMain.h"

#include <QStringList>

#include <memory>

class TSingleInstance;

// The desktop program from start to end: single-instance guard, splash, main window, event loop.
int RunQuelta(int argc, char** argv);

// Creates the editor windows, hidden, and hands them to the main window.
void CreateEditors(TfrmQueltaMain& main);

// The file opener of the main window (owned by it), which also takes the files that later starts
// hand over through instance.
class TFileOpener;
TFileOpener* OpenFilesOfLaterStarts(TSingleInstance& instance, TfrmQueltaMain& main);

// The start-up after the guard has let this instance go on: desktop services, splash, the main
// window (settings opened by openSettings) shown maximised, and the guard's lock released. The
// files of the command line open once the event loop runs; those of later starts as they come.
std::unique_ptr<TfrmQueltaMain> OpenMainWindow(TSingleInstance& instance,
                                               TfrmQueltaMain::TSettingsOpener openSettings,
                                               const QStringList& files = {});
