#pragma once

#include "core/cGuiSettings.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "support/TestSupport.h"
#include "ui/fQueltaMain.h"
#include "ui/uStartUp.h"

#include <gtest/gtest.h>

// The main window on a program folder of its own (a temporary folder); messages are recorded.
class TMainWindowOnly : public ::testing::Test {
protected:
    TTempDir dir;
    TMessageRecorder messages;
    TfrmQueltaMain main{[this](TGuiSettings& settings) {
        settings.OpenProgramFolder(dir.Path(), dir.File("quelta.INI"));
    }};
    TAllData& data = main.AllData();
};

// The same with every window built and shown as the program starts it.
class TMainWindowFixture : public TMainWindowOnly {
protected:
    void SetUp() override {
        CreateEditors(main);
        main.show();
    }
};
