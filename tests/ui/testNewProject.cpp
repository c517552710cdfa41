#include "EndToEnd.h"

#include "core/cCalendar.h"
#include "core/cFileIO.h"
#include "core/cNumberFormat.h"
#include "ui/fCropFactor.h"
#include "ui/fCropPattern.h"
#include "ui/fCropPatternLine.h"
#include "ui/fGeneral.h"
#include "ui/fMeteo.h"
#include "ui/fReportData.h"
#include "ui/fToolBar.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>

#include <array>

namespace {

// A year of monthly weather as a spreadsheet holds it: minimum and maximum temperature,
// precipitation, sunshine, mean and maximum humidity, wind speed and day/night wind ratio.
constexpr std::array<std::array<double, 8>, 12> kWeather{{
    {4, 15, 60, 5.5, 75, 90, 2, 2},
    {5, 17, 50, 6.5, 70, 88, 2.2, 2},
    {7, 20, 40, 7, 65, 85, 2.4, 2},
    {9, 22, 45, 8, 60, 82, 2.5, 2},
    {12, 26, 30, 9.5, 55, 80, 2.5, 2},
    {16, 31, 10, 11, 50, 75, 2.3, 2},
    {18, 35, 2, 11.5, 45, 70, 2.2, 2},
    {18.5, 34.5, 5, 10.5, 47, 72, 2.1, 2},
    {16, 30, 20, 8.5, 55, 78, 2, 2},
    {12, 25, 50, 7, 65, 85, 1.9, 2},
    {8, 19, 60, 6, 72, 88, 1.8, 2},
    {5, 16, 70, 5, 77, 90, 1.9, 2},
}};

QString WeatherAsCopied() {
    QString text;
    for (const auto& month : kWeather) {
        QStringList cells;
        for (double value : month)
            cells << QString::number(value);
        text += cells.join(QLatin1Char('\t')) + QStringLiteral("\r\n");
    }
    return text;
}

struct TCropTyped {
    const char* Name;
    const char* Description;
    const char* Kc1;
    const char* Kc3;
    const char* Kc4;
    const char* Depth;
    std::array<int, 4> Stages;
    const char* Area;
    int PlantingMonth; // 1..12, planted on the first
};

const TCropTyped kCrops[] = {
    {"Maize", "Grain maize", "0.3", "1.2", "0.35", "1.0", {30, 40, 50, 30}, "300", 4},
    {"Tomato", "Tomato", "0.6", "1.15", "0.8", "0.7", {30, 40, 45, 30}, "150", 3},
};

class NewProject : public EndToEnd {
protected:
    void TypeGeneralData() {
        auto* general = main.findChild<TfrmGeneral*>();
        OpenMenu(main.mnuFile);
        main.actGeneral->trigger();
        ASSERT_TRUE(QTest::qWaitForWindowActive(general));
        EXPECT_EQ(general->windowTitle().toStdString(), "General data []");
        ReplaceText(general->edtCountry, QStringLiteral("Testland"));
        ReplaceText(general->edtRegion, QStringLiteral("North valley"));
        ReplaceText(general->edtDescript, QStringLiteral("New scheme"));
        EXPECT_EQ(general->cbxHemis->currentText().toStdString(), "North");
        ReplaceText(general->edtLatiDegrees, QStringLiteral("37"));
        ReplaceText(general->edtLatiMinutes, QStringLiteral("30"));
        ReplaceText(general->edtAlti, QStringLiteral("30"));
        ReplaceText(general->edtTot_Area, QStringLiteral("600"));
        ReplaceText(general->edtS_Area, QStringLiteral("500"));
        Choose(general->cbxCalcPer, QStringLiteral("Month"));
        ReplaceText(general->edtDm_of_watappl, QStringLiteral("60"));
        Choose(general->cbxApplInt, QStringLiteral("7"));
        EXPECT_TRUE(SaveAs(general, File("General/New.gen")));
    }

    void PasteMeteoData() {
        auto* meteo = main.findChild<TfrmMeteo*>();
        OpenMenu(main.mnuFile);
        main.actMeteo->trigger();
        ASSERT_TRUE(meteo->isVisible());
        ASSERT_EQ(meteo->grdMeteo->rowCount(), 12);
        QApplication::clipboard()->setText(WeatherAsCopied());
        meteo->grdMeteo->setFocus();
        meteo->grdMeteo->setCurrentCell(0, 1);
        QTest::keyClick(meteo->grdMeteo, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(meteo->grdMeteo->item(11, 8)->text().toStdString(), "2");
        EXPECT_TRUE(SaveAs(meteo, File("Meteo/New.mtf")));
    }

    void BuildCropFactor(TfrmCropFactor* editor, const TCropTyped& crop) {
        ReplaceText(editor->edtDescription, QString::fromUtf8(crop.Description));
        ReplaceText(editor->edtKc1, QString::fromUtf8(crop.Kc1));
        ReplaceText(editor->edtKc3, QString::fromUtf8(crop.Kc3));
        ReplaceText(editor->edtKc4, QString::fromUtf8(crop.Kc4));
        ReplaceText(editor->edtRootingDepth, QString::fromUtf8(crop.Depth));
        QLineEdit* stages[] = {editor->edtStage1, editor->edtStage2, editor->edtStage3,
                               editor->edtStage4};
        for (int s = 0; s < 4; ++s)
            ReplaceText(stages[s], QString::number(crop.Stages[s]));
        EXPECT_TRUE(SaveAs(editor, File(std::string("Crop/") + crop.Name + ".udc")));
    }

    // The crop dialog of the pattern editor: the crop file, its area and planting date.
    void AddCropToPattern(TfrmCropPattern* pattern, const TCropTyped& crop) {
        RunModal<TfrmCropPatternLine>(
            [&] { ClickCommand(pattern->ToolBar(), pattern->ToolBar()->PatternLineAdd); },
            [&](TfrmCropPatternLine& dialog) {
                dialogs.Answer(File(std::string("Crop/") + crop.Name + ".udc"));
                dialog.ToolBar()->FileOpen1->trigger();
                EXPECT_EQ(dialog.edtDescription->text().toStdString(), crop.Description);
                ReplaceText(dialog.edtArea, QString::fromUtf8(crop.Area));
                Choose(dialog.cbxMonth, dialog.cbxMonth->itemText(crop.PlantingMonth - 1));
                ReplaceText(dialog.edtDay, QStringLiteral("1"));
                dialog.ToolBar()->SaveToPattern->trigger();
            });
    }
};

} // namespace

TEST_F(NewProject, FromNothingThroughTheEditorsToTheReport) {
    TypeGeneralData();
    PasteMeteoData();

    auto* cropFactor = main.findChild<TfrmCropFactor*>();
    OpenMenu(main.mnuFile);
    main.actCropFactor->trigger();
    cropFactor->activateWindow(); // as the user's first click into it does
    ASSERT_TRUE(QTest::qWaitFor([&] { return cropFactor->Active(); }, 2000));
    BuildCropFactor(cropFactor, kCrops[0]);
    ClickCommand(cropFactor->ToolBar(), cropFactor->ToolBar()->FileNew1);
    BuildCropFactor(cropFactor, kCrops[1]);

    auto* pattern = main.findChild<TfrmCropPattern*>();
    ASSERT_NE(pattern, nullptr);
    OpenMenu(main.mnuFile);
    main.actCropPattern->trigger();
    ASSERT_TRUE(pattern->isVisible());
    for (const TCropTyped& crop : kCrops)
        AddCropToPattern(pattern, crop);
    ReplaceText(pattern->edtKcFallow, QStringLiteral("0.3"));
    EXPECT_TRUE(SaveAs(pattern, File("Pattern/New.pat")));

    FromMenu<TfrmReportData>(main.mnuReports, main.actReport, [&](TfrmReportData& report) {
        const int water = static_cast<int>(TReportTableKind::WaterRequirements);
        QTest::mouseClick(report.tabTables, Qt::LeftButton, {},
                          report.tabTables->tabRect(water).center());
        ASSERT_EQ(report.ShownTable(), TReportTableKind::WaterRequirements);
        ASSERT_EQ(report.cbxCrop->count(), 3);
        EXPECT_EQ(report.cbxCrop->itemText(1).toStdString(), "Maize.udc");
        EXPECT_EQ(report.cbxCrop->itemText(2).toStdString(), "Tomato.udc");
        ASSERT_EQ(report.grdTable->rowCount(), 1 + 12);
        // Both crops are in the field in May: 450 ha cropped.
        EXPECT_EQ(report.grdTable->item(5, 1)->text().toStdString(), "450.0");
        EXPECT_EQ(report.grdTable->item(1, 1)->text().toStdString(), ""); // January: none
    });
    EXPECT_TRUE(messages.Messages().empty()) << messages.Texts().front();

    // What the saved files hold is what was typed.
    TAllData read;
    ASSERT_TRUE(read.General.Load(File("General/New.gen")));
    EXPECT_EQ(read.General.Country, "Testland");
    EXPECT_EQ(read.General.Region, "North valley");
    EXPECT_EQ(read.General.Description, "New scheme");
    EXPECT_EQ(read.General.Hemisphere, "North");
    EXPECT_DOUBLE_EQ(read.General.Latitude, 37.30); // degrees.minutes
    EXPECT_DOUBLE_EQ(read.General.Altitude, 30);
    EXPECT_DOUBLE_EQ(read.General.GrossArea, 600);
    EXPECT_DOUBLE_EQ(read.General.IrrigableArea, 500);
    EXPECT_DOUBLE_EQ(read.General.MeanDepth, 60);
    EXPECT_EQ(read.General.CalcPeriod, "Month");
    EXPECT_EQ(read.General.ApplInterval, 7);

    ASSERT_TRUE(read.Meteo.Load(File("Meteo/New.mtf")));
    EXPECT_DOUBLE_EQ(read.Meteo.WindHeight, 2);
    for (int m = 1; m <= 12; ++m)
        for (int s = 0; s < 8; ++s)
            EXPECT_NEAR(read.Meteo.Series()[s]->GetMonth(m), kWeather[m - 1][s], 1e-9)
                << "month " << m << ", column " << s + 1;

    for (const TCropTyped& crop : kCrops) {
        TCropFactor typed;
        ASSERT_TRUE(typed.Load(File(std::string("Crop/") + crop.Name + ".udc")));
        EXPECT_EQ(typed.Description, crop.Description);
        EXPECT_DOUBLE_EQ(typed.Kc1[0], TextToNumber(crop.Kc1));
        EXPECT_DOUBLE_EQ(typed.Kc3[0], TextToNumber(crop.Kc3));
        EXPECT_DOUBLE_EQ(typed.Kc4[0], TextToNumber(crop.Kc4));
        EXPECT_DOUBLE_EQ(typed.RootingDepth, TextToNumber(crop.Depth));
        EXPECT_EQ(typed.StageLength, crop.Stages);
    }

    ASSERT_TRUE(read.CropPattern.Load(File("Pattern/New.pat")));
    EXPECT_DOUBLE_EQ(read.CropPattern.KcFallow, 0.3);
    ASSERT_EQ(read.CropPattern.Count(), 2);
    for (int c = 0; c < 2; ++c) {
        const TCropPatternLine& line = read.CropPattern.GetCropLine(c + 1);
        EXPECT_EQ(line.CropFileName, File(std::string("Crop/") + kCrops[c].Name + ".udc"));
        EXPECT_DOUBLE_EQ(line.Area, TextToNumber(kCrops[c].Area));
        EXPECT_EQ(line.PlantingDay, FirstDayOfMonth(kCrops[c].PlantingMonth));
    }
}
