#include "core/cFileIO.h"
#include "core/cGuiSettings.h"
#include "core/cUserMessages.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(GuiSettings, FirstStartWritesAMetricSettingsFileAndTheFolders) {
    TTempDir dir;
    TGuiSettings s;
    ASSERT_TRUE(s.OpenProgramFolder(dir.Path(), dir.File("quelta.INI")));
    EXPECT_EQ(ReadBytes(dir.File("quelta.INI")), Bytes({2, 0, 2, 0, 2, 0, 2, 0, 2, 0, 2, 0}));
    for (const char* sub :
         {"General", "Meteo", "Crop", "Pattern", "Strategy", "Report", "Schedule", "Soil"})
        EXPECT_TRUE(std::filesystem::is_directory(dir.File(sub))) << sub;
    EXPECT_EQ(s.CropFolder, dir.Path() + "/Crop");
    EXPECT_EQ(s.PeriodKind, 3);
    EXPECT_EQ(s.PeriodLength, 0);
}

TEST(GuiSettings, ReadsAnExistingSettingsFile) {
    TTempDir dir;
    WriteBytes(dir.File("quelta.INI"), Bytes({2, 1, 2, 1, 2, 2, 2, 1, 2, 1, 2, 1}));
    TGuiSettings s;
    ASSERT_TRUE(s.OpenProgramFolder(dir.Path(), dir.File("quelta.INI")));
    EXPECT_EQ(s.LengthUnit, 1);
    EXPECT_EQ(s.VelocityUnit, 2);
    EXPECT_EQ(s.VolumeUnit, 1);
}

TEST(GuiSettings, ShortSettingsFileIsReportedAndChangesNothing) {
    TTempDir dir;
    WriteBytes(dir.File("short.INI"), Bytes({2, 1, 2, 1, 2, 1}));
    TMessageRecorder messages;
    TGuiSettings s;
    EXPECT_FALSE(s.Load(dir.File("short.INI")));
    ASSERT_EQ(messages.Texts(),
              std::vector<std::string>{"Error in procedure ReadData: Stream read error"});
    EXPECT_EQ(messages.Messages()[0].Kind, TMessageKind::Error);
    EXPECT_EQ(s.LengthUnit, 0);
    EXPECT_EQ(s.AreaUnit, 0);
    EXPECT_FALSE(s.Load(dir.File("missing.INI")));
    EXPECT_EQ(messages.Messages().size(), 1u);
}

TEST(GuiSettings, FolderThatCannotBeMadeIsReported) {
    TTempDir dir;
    WriteBytes(dir.File("General"), "a file where the folder should be");
    TGuiSettings s;
    EXPECT_FALSE(s.OpenProgramFolder(dir.Path(), dir.File("quelta.INI")));
    EXPECT_EQ(s.LengthUnit, 0);
}

TEST(GuiSettings, MetricFormats) {
    TGuiSettings s;
    EXPECT_EQ(s.FormatValue(QuantityKind::Length, 1.5), "1.50");
    EXPECT_EQ(s.FormatValue(QuantityKind::Area, 100), "100.0");
    EXPECT_EQ(s.FormatValue(QuantityKind::Velocity, 2.25), "2.3");
    EXPECT_EQ(s.FormatValue(QuantityKind::Temperature, 20), "20.0");
    EXPECT_EQ(s.FormatValue(QuantityKind::Depth, 10), "10.0");
    EXPECT_EQ(s.FormatValue(QuantityKind::Volume, 12.345), "12.35");
    EXPECT_EQ(s.FormatValue(QuantityKind::Plain1, 8.25), "8.3");
    EXPECT_EQ(s.FormatValue(QuantityKind::CropCoefficient, 1.125), "1.13");
    EXPECT_EQ(s.FormatValue(QuantityKind::WholeNumber, 29.5), "30");
    EXPECT_EQ(s.FormatValue(QuantityKind::DepthPerDay, 10), "10.0");
    EXPECT_EQ(s.FormatValue(QuantityKind::SmallHeight, 0.05), "0.05");
    EXPECT_EQ(s.FormatValue(42, 1.25), "1.3");
}

TEST(GuiSettings, ImperialFormatsUseTheFactorsAsWritten) {
    TGuiSettings s;
    s.LengthUnit = s.AreaUnit = s.VelocityUnit = s.TemperatureUnit = s.PrecipitationUnit =
        s.VolumeUnit = 1;
    EXPECT_EQ(s.FormatValue(QuantityKind::Temperature, 20), "68.0");
    EXPECT_EQ(s.FormatValue(QuantityKind::Area, 1), "2.5");
    EXPECT_EQ(s.FormatValue(QuantityKind::Area, 20), "49.4");
    EXPECT_EQ(s.FormatValue(QuantityKind::Depth, 10), "0.39");
    EXPECT_EQ(s.FormatValue(QuantityKind::DepthPerDay, 10), "0.40");
    EXPECT_EQ(s.FormatValue(QuantityKind::Velocity, 1), "3.3");
    EXPECT_EQ(s.FormatValue(QuantityKind::Length, 3.048), "10.00");
    EXPECT_EQ(s.FormatValue(QuantityKind::SmallHeight, 0.3048), "1.000");
    EXPECT_EQ(s.FormatValue(QuantityKind::Volume, 1000), "0.81");
    s.VelocityUnit = 2;
    EXPECT_EQ(s.FormatValue(QuantityKind::Velocity, 1), "86.4");
}

TEST(GuiSettings, ParseValueIsTheInverseOfTheConversion) {
    TGuiSettings s;
    s.LengthUnit = s.AreaUnit = s.VelocityUnit = s.TemperatureUnit = s.PrecipitationUnit =
        s.VolumeUnit = 1;
    EXPECT_DOUBLE_EQ(s.ParseValue(QuantityKind::Temperature, 68), 20);
    EXPECT_DOUBLE_EQ(s.ParseValue(QuantityKind::Area, 2.47), 1);
    EXPECT_DOUBLE_EQ(s.ParseValue(QuantityKind::Length, 10), 3.048);
    EXPECT_DOUBLE_EQ(s.ParseValue(QuantityKind::SmallHeight, 1), 0.3048);
    EXPECT_DOUBLE_EQ(s.ParseValue(QuantityKind::Depth, 0.03937), 1);
    EXPECT_DOUBLE_EQ(s.ParseValue(QuantityKind::Volume, 0.00081071), 1);
    EXPECT_DOUBLE_EQ(s.ParseValue(QuantityKind::Velocity, 1), 0.3048);
    EXPECT_DOUBLE_EQ(s.ParseValue(QuantityKind::DepthPerDay, 5), 5); // only ever displayed
    EXPECT_DOUBLE_EQ(s.ParseValue(QuantityKind::CropCoefficient, 1.2), 1.2);
    s.VelocityUnit = 2;
    EXPECT_DOUBLE_EQ(s.ParseValue(QuantityKind::Velocity, 86.4), 1);
    TGuiSettings metric;
    EXPECT_DOUBLE_EQ(metric.ParseValue(QuantityKind::Temperature, 68), 68);
}

TEST(GuiSettings, UnitTexts) {
    EXPECT_EQ(TGuiSettings::UnitLabel(QuantityKind::Temperature, 0), "°C");
    EXPECT_EQ(TGuiSettings::UnitLabel(QuantityKind::Temperature, 5), "°F");
    EXPECT_EQ(TGuiSettings::UnitLabel(QuantityKind::Velocity, 2), "km/d");
    EXPECT_EQ(TGuiSettings::UnitLabel(QuantityKind::Velocity, 7), "km/d");
    EXPECT_EQ(TGuiSettings::UnitLabel(QuantityKind::Volume, 1), "acrft");
    EXPECT_EQ(TGuiSettings::UnitLabel(QuantityKind::DepthPerDay, 1), "inch/day");
    EXPECT_EQ(TGuiSettings::UnitLabel(QuantityKind::CropCoefficient, 0), "");
    EXPECT_EQ(TGuiSettings::UnitName(QuantityKind::Temperature, 0), "Celcius");
    EXPECT_EQ(TGuiSettings::UnitName(QuantityKind::Depth, 1), "Inch per period or term");
    EXPECT_EQ(TGuiSettings::UnitName(QuantityKind::Volume, 1), "acrefeet");
    EXPECT_EQ(TGuiSettings::UnitName(QuantityKind::DepthPerDay, 0), "");
    TGuiSettings s;
    s.LengthUnit = 1;
    EXPECT_EQ(s.UnitOf(QuantityKind::SmallHeight), 1);
    EXPECT_EQ(s.UnitOf(QuantityKind::DepthPerDay), 1);
    EXPECT_EQ(s.UnitOf(QuantityKind::Ratio), 0);
    EXPECT_EQ(s.CurrentUnitLabel(QuantityKind::Length), "ft");
}
