// Opens every window of the desktop program on the Seville example project and saves one PNG per
// window into the folder named on the command line. Runs headless (offscreen platform).
//   snapshots [--scale FACTOR] OUTPUT_FOLDER     (--scale 2: as a high-DPI display draws them)

#include "calc/uCurveNumber.h"
#include "calc/uReportModel.h"
#include "calc/uStrategyProject.h"
#include "calc/uStrategyReport.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "support/ClimateGenerator.h"
#include "ui/fAbout.h"
#include "ui/fChart.h"
#include "ui/fClimateImport.h"
#include "ui/fCropFactor.h"
#include "ui/fCropPattern.h"
#include "ui/fCropPatternLine.h"
#include "ui/fGeneral.h"
#include "ui/fHelp.h"
#include "ui/fMeteo.h"
#include "ui/fMultiChart.h"
#include "ui/fQueltaMain.h"
#include "ui/fReportCWR.h"
#include "ui/fReportData.h"
#include "ui/fSchedule.h"
#include "ui/fScheduleResults.h"
#include "ui/fSettings.h"
#include "ui/fSplash.h"
#include "ui/fStrategy.h"
#include "ui/fToolBar.h"
#include "ui/uQueltaPicture.h"
#include "ui/uStartUp.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSettings>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace {

bool Save(QWidget* window, const QDir& folder, const char* name) {
    window->show();
    // A layout change settles level by level, one posted request per parent: let every level
    // have its turn, as a running event loop would, before the picture is taken.
    for (int pass = 0; pass < 5; ++pass)
        QApplication::processEvents();
    const QString path = folder.filePath(QString::fromUtf8(name) + QStringLiteral(".png"));
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The Seville example project as the build installs it.
bool LoadSeville(TAllData& data) {
    const std::string app = QUELTA_APP_DIR;
    if (data.General.Load(app + "/General/Seville.gen") &&
        data.Meteo.Load(app + "/Meteo/Seville.mtf") &&
        data.CropPattern.Load(app + "/Pattern/Seville.pat"))
        return true;
    std::fprintf(stderr, "cannot load the Seville example from %s\n", app.c_str());
    return false;
}

// Every page of the strategy window on an example strategy of the Seville project.
bool SaveStrategyPages(TAllData& data, QWidget* owner, const QDir& folder, const char* file,
                       const char* prefix) {
    if (!LoadSeville(data))
        return false;
    data.Strategy.FileName = std::string(QUELTA_APP_DIR) + "/Strategy/" + file;
    TStrategySources sources;
    sources.Project = [&data](int method) { return StrategyProjectOf(data, method); };
    sources.ReportHeader = [&data] { return StrategyReportHeader(data); };
    TfrmStrategy window(data, sources, owner);
    window.resize(1100, 720);
    window.Open();
    static const std::pair<TStrategyPage, const char*> pages[] = {
        {TStrategyPage::WaterBalance, "water-balance"},
        {TStrategyPage::DataInput, "data-input"},
        {TStrategyPage::WaterBalanceStrategy, "balance-strategy"},
        {TStrategyPage::InputETa, "input-eta"},
        {TStrategyPage::Soil, "soil"},
        {TStrategyPage::WaterRequirementET, "requirement-et"},
        {TStrategyPage::Comparison, "comparison"}};
    bool ok = true;
    for (const auto& [page, name] : pages) {
        if (page == TStrategyPage::DataInput && !data.Strategy.FieldDataAvailable)
            continue;
        window.ShowPage(page);
        const std::string shot = std::string(prefix) + name;
        ok = Save(&window, folder, shot.c_str()) && ok;
    }
    window.SetModified(false);
    window.close();
    return ok;
}

// The chart windows on the Seville example project as the build installs it.
bool SaveCharts(QWidget* owner, const QDir& folder) {
    TAllData data;
    if (!LoadSeville(data))
        return false;
    SetDerivedGeneralValues(data.General);
    TReportModel report(data);
    report.OpenReport();
    bool ok = true;
    {
        TfrmMultiChart multi(data.GuiSettings, owner);
        report.ShowTable(TReportTableKind::ReferenceET);
        ok = multi.DrawMultiChart(report.Chart(1)) && ok;
        ok = Save(&multi, folder, "chart-et0") && ok;
        report.ShowTable(TReportTableKind::PotentialET);
        ok = multi.DrawMultiChart(report.Chart(1)) && ok;
        multi.rbtStacked->setChecked(true);
        ok = Save(&multi, folder, "chart-etc-stacked") && ok;
        multi.close();
    }
    TfrmChart single(data.GuiSettings, owner);
    report.ShowTable(TReportTableKind::WaterRequirements);
    ok = single.DrawSingleChart(report.Chart(4)) && ok;
    ok = Save(&single, folder, "chart-iwr") && ok;
    single.close();
    return ok;
}

// The water requirements report of the Seville example, every table as its tab shows it, and
// the text report in the report window.
bool SaveReportWindows(TfrmQueltaMain& main, const QDir& folder) {
    TAllData& data = main.AllData();
    if (!LoadSeville(data))
        return false;
    auto* reportWindow = main.findChild<TfrmReportCWR*>();
    TfrmReportData window(data, *reportWindow, &main);
    window.Open();
    static const char* const names[] = {"report-et0", "report-kc",  "report-area",
                                        "report-etc", "report-iwr", "report-nonirrigated"};
    bool ok = true;
    for (int k = 0; k < kReportTableCount; ++k) {
        window.tabTables->setCurrentIndex(k);
        ok = Save(&window, folder, names[k]) && ok;
    }
    // One crop's requirements per 10 days with a fixed percentage of rain, a column marked.
    window.tabTables->setCurrentIndex(static_cast<int>(TReportTableKind::WaterRequirements));
    window.cbxCrop->setCurrentIndex(1);
    window.cbxRainfall->setCurrentIndex(window.cbxRainfall->count() - 1);
    window.cbxPeriod->setCurrentIndex(3);
    emit window.hdrTable->sectionClicked(5);
    ok = Save(&window, folder, "report-iwr-crop") && ok;
    window.cbxPeriod->setCurrentIndex(2);
    window.cbxCrop->setCurrentIndex(0);
    window.cbxRainfall->setCurrentIndex(0);

    reportWindow->SetReport(window.Model().TextReport());
    reportWindow->redReport->moveCursor(QTextCursor::Start);
    ok = Save(reportWindow, folder, "report-text") && ok;
    reportWindow->hide();
    window.close();
    return ok;
}

// The irrigation schedule window on the Seville example's maize schedule: each results page,
// and its text report in the report window.
bool SaveScheduleWindows(TfrmQueltaMain& main, const QDir& folder) {
    TAllData& data = main.AllData();
    if (!LoadSeville(data))
        return false;
    SetDerivedGeneralValues(data.General);
    data.GuiSettings.SoilFolder = std::string(QUELTA_APP_DIR) + "/Soil";
    auto* reportWindow = main.findChild<TfrmReportCWR*>();
    TfrmSchedule window(data, *reportWindow, &main);
    if (!window.Model().Schedule().Load(std::string(QUELTA_APP_DIR) +
                                        "/Schedule/Seville-maize.sch"))
        return false;
    window.resize(1180, 800);
    window.Open();
    static const char* const pages[] = {"schedule-daily", "schedule-chart", "schedule-season"};
    bool ok = true;
    for (int page = 0; page < 3; ++page) {
        window.pgcResults->setCurrentIndex(page);
        ok = Save(&window, folder, pages[page]) && ok;
    }
    reportWindow->SetReport(window.Model().TextReport());
    reportWindow->redReport->moveCursor(QTextCursor::Start);
    ok = Save(reportWindow, folder, "schedule-report") && ok;
    reportWindow->hide();
    window.close();
    return ok;
}

// The cropping pattern editor and its crop dialog on the Seville example project.
bool SavePatternWindows(TfrmQueltaMain& main, const QDir& folder) {
    TAllData& data = main.AllData();
    if (!LoadSeville(data))
        return false;
    bool ok = true;
    for (auto* editor : main.findChildren<TfrmCropPattern*>()) {
        editor->ShowEditor();
        editor->grdCropPattern->selectRow(1);
        ok = Save(editor, folder, "croppattern") && ok;
        TCropPattern& pattern = data.CropPattern;
        pattern.CurrentLine = 2;
        {
            TfrmCropPatternLine dialog(data, editor->DailyArea(), editor);
            dialog.ShowLine("Edit");
            ok = Save(&dialog, folder, "croppattern-edit-crop") && ok;
            dialog.close();
        }
        pattern.AddCropLine();
        pattern.CurrentLine = pattern.Count();
        {
            TfrmCropPatternLine dialog(data, editor->DailyArea(), editor);
            dialog.ShowLine("Add");
            ok = Save(&dialog, folder, "croppattern-add-crop") && ok;
            dialog.close();
        }
        pattern.DeleteCropLine(pattern.Count());
        editor->hide();
    }
    return ok;
}

} // namespace

// The preview of "Import climate record..." on thirty years of a synthetic NASA POWER record
// at Seville's latitude, with the dependable rainfall chosen.
bool SaveClimateImport(TAllData& data, const QString& scratch, const QDir& folder) {
    TSyntheticClimateSpec spec;
    spec.Layout = TGenLayout::NasaPower;
    spec.GapShare = 0.01;
    spec.BlankMonths = {{1997, 11}};
    const std::string record =
        QDir(scratch).filePath(QStringLiteral("POWER_Point_Daily.csv")).toStdString();
    const std::string text = MakeSyntheticClimate(spec).Text;
    if (FILE* file = std::fopen(record.c_str(), "wb")) {
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
    TfrmClimateImport dialog(data, record, nullptr);
    if (!dialog.Preview())
        return false;
    dialog.cbxRain->setCurrentIndex(3); // 80 %
    const bool ok = Save(&dialog, folder, "climate-import");
    dialog.close();
    return ok;
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // --scale N draws every window as a display of that scale factor shows it (high DPI).
    const bool scaled = argc == 4 && std::string(argv[1]) == "--scale";
    if (argc != 2 && !scaled) {
        std::fprintf(stderr, "usage: snapshots [--scale FACTOR] OUTPUT_FOLDER\n");
        return 2;
    }
    std::string screenConfig;
    if (scaled) {
        qputenv("QT_SCALE_FACTOR", argv[2]);
        // The offscreen platform's own screen is 800 x 600, which would leave a window at scale 2
        // less room than any real display does: a screen of 1920 x 1080 at that scale instead.
        if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
            const int factor = std::max(1, std::atoi(argv[2]));
            screenConfig = (std::filesystem::temp_directory_path() /
                            ("quelta-snapshots-screen-" + std::to_string(getpid()) + ".json"))
                               .string();
            std::ofstream(screenConfig)
                << R"({"screens": [{"name": "scaled", "x": 0, "y": 0, "width": )" << 1920 * factor
                << R"(, "height": )" << 1080 * factor << R"(, "logicalDpi": 96, "dpr": 1}]})";
            qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screenConfig).c_str());
        }
    }
    const char* output = argv[argc - 1];
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    if (!screenConfig.empty())
        std::filesystem::remove(screenConfig);
    QDir folder(QString::fromLocal8Bit(output));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", output);
        return 1;
    }
    TStderrMessages messages; // nothing here should ask the user anything
    SetUserMessages(&messages);
    QTemporaryDir programFolder;
    // The editors' recent files stay in this run's folder, out of the user's settings.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, programFolder.path());

    bool ok = true;
    TfrmSplash* splash = new TfrmSplash;
    ok = Save(splash, folder, "splash") && ok;
    splash->close();

    TfrmQueltaMain main([&programFolder](TGuiSettings& settings) {
        settings.OpenProgramFolder(
            programFolder.path().toStdString(),
            programFolder.filePath(QStringLiteral("quelta.INI")).toStdString());
    });
    if (!LoadSeville(main.AllData()))
        return 1;
    CreateEditors(main);
    main.resize(1024, 700);
    main.show();
    main.RefreshDataStatus();
    ok = Save(&main, folder, "main") && ok;

    TfrmAbout about(&main);
    ok = Save(&about, folder, "about") && ok;
    about.close();
    ok = QueltaIcon().pixmap(256, 256).save(folder.filePath(QStringLiteral("icon.png"))) && ok;

    TfrmSettings settings(main.AllData().GuiSettings, &main);
    ok = Save(&settings, folder, "settings") && ok;
    settings.close();

    // The user guide inside the program, at the meteo editor's section (as F1 there opens it).
    TfrmHelp* help = ShowUserGuide(&main, QStringLiteral("Meteo data"));
    ok = Save(help, folder, "help") && ok;
    help->close();

    // The command strip as the data editors carry it, Save and Save As disabled until a change.
    TfrmToolBar strip(nullptr);
    strip.ShowOnly({strip.FileNew1, strip.FileOpen1, strip.FileSave1, strip.FileSaveAs1,
                    strip.CopyToClipboard});
    strip.FileSave1->setEnabled(false);
    strip.FileSaveAs1->setEnabled(false);
    strip.setWindowTitle(QStringLiteral("Command strip"));
    ok = Save(&strip, folder, "toolbar") && ok;

    // The editors as the File menu opens them, on the example project.
    for (auto* general : main.findChildren<TfrmGeneral*>()) {
        general->ShowEditor();
        ok = Save(general, folder, "general") && ok;
        general->hide();
    }
    for (auto* meteo : main.findChildren<TfrmMeteo*>()) {
        meteo->ShowEditor();
        ok = Save(meteo, folder, "meteo") && ok;
        // A cell out of range, and the Hargreaves shading.
        meteo->cbxMethod->setCurrentIndex(2);
        meteo->grdMeteo->item(6, 4)->setText(QStringLiteral("14.5"));
        ok = Save(meteo, folder, "meteo-hargreaves") && ok;
        meteo->hide();
    }
    ok = SaveClimateImport(main.AllData(), programFolder.path(), folder) && ok;
    for (auto* crop : main.findChildren<TfrmCropFactor*>()) {
        crop->ShowEditor();
        ok = Save(crop, folder, "cropfactor-new") && ok;
        const std::pair<QLineEdit*, const char*> typed[] = {{crop->edtDescription, "Maize (grain)"},
                                                            {crop->edtKc1, "0.30"},
                                                            {crop->edtKc3, "1.20"},
                                                            {crop->edtKc4, "0.35"},
                                                            {crop->edtRootingDepth, "1.50"},
                                                            {crop->edtStage1, "30"},
                                                            {crop->edtStage2, "40"},
                                                            {crop->edtStage3, "50"},
                                                            {crop->edtStage4, "30"}};
        for (const auto& [field, text] : typed)
            field->setText(QString::fromUtf8(text));
        crop->UpdateDerived();
        ok = Save(crop, folder, "cropfactor") && ok;
        // The standard Kc,1 computed from the project's general and meteo data.
        crop->ckbxStandCalcKc0->click();
        ok = Save(crop, folder, "cropfactor-standard-kc") && ok;
        crop->hide();
    }
    ok = SaveStrategyPages(main.AllData(), &main, folder, "Seville-field-data.str", "strategy-") &&
         ok;
    ok = SaveStrategyPages(main.AllData(), &main, folder, "Seville-no-field-data.str",
                           "strategy-nodata-") &&
         ok;
    ok = SaveCharts(&main, folder) && ok;

    ok = SaveReportWindows(main, folder) && ok;
    ok = SavePatternWindows(main, folder) && ok;
    ok = SaveScheduleWindows(main, folder) && ok;

    return ok && messages.ErrorCount() == 0 ? 0 : 1;
}
