#pragma once

// What the cropping pattern editor and its crop dialog show and decide, kept apart from the
// windows: the grid's cells with its header and footer, the clipboard text, the daily cropped
// area the dialog checks a crop against, and the dialog's Save to pattern with its refusals.

#include "data/cAreaCheck.h"

#include <array>
#include <string>
#include <vector>

class TAllData;
class TCropPattern;
class TCropPatternLine;
class TGuiSettings;

// Cropped area (ha) of days 1..365.
using TDailyArea = std::array<double, 365>;

// The grid: row 0 holds the captions, row i the cells of line i.
std::vector<std::string> PatternGridCaptions(const TGuiSettings& settings);
std::vector<std::string> PatternGridRow(const TCropPatternLine& line, const TGuiSettings& settings);
// The sections of the header above the grid and of the footer below it.
std::vector<std::string> PatternHeaderSections();
std::vector<std::string> PatternFooterSections(const TCropPattern& pattern,
                                               const TGuiSettings& settings);
// The editor's clipboard body: header, grid rows 0..Count, footer; every cell followed by a tab.
std::vector<std::string> PatternClipboardBody(const TCropPattern& pattern,
                                              const TGuiSettings& settings);

// The crop coefficient of fallow and permanent land as the editor shows it.
std::string FormatPatternKc(double kc);

// Computes ET0 and the pattern's crop evapotranspiration (Penman-Monteith), which fills every
// line's KcSeries, and returns the cropped area of each day. Calculation errors propagate.
TDailyArea CalcPatternDailyArea(TAllData& data);
// The cropped area of each day from the lines' KcSeries as they stand.
TDailyArea DailyCroppedArea(const TCropPattern& pattern);

// The crop dialog's planting date: month 1..12, or 0 while no month is chosen (a day of January).
int LastDayOfPlantingMonth(int month);
int DayInPlantingMonth(int month, int day);
int PlantingDayOf(int month, int day);

// The daily area of the other crops while line (1-based) is edited: its own area comes off the
// days it occupies, and only those, so moving a crop is checked against what is really there.
TDailyArea DailyAreaWithoutLine(const TDailyArea& patternArea, const TCropPattern& pattern,
                                int line);

// Adds area to the days of a crop's growing period from plantingDay, wrapping past day 365.
void AddGrowingDays(TDailyArea& dailyArea, double area, int plantingDay, int growingPeriod);

// The check of a crop the dialog saves: the other crops' daily area with newArea added over the
// crop's growing days from plantingDay (wrapping past day 365).
TAreaCheck CropDialogAreaCheck(const TDailyArea& otherCrops, double newArea, int plantingDay,
                               int growingPeriod, double irrigableArea,
                               const TGuiSettings& settings);

enum class TCropRefusal { None, NoArea, NoCropFile, AreaExceeded };

// Save to pattern: writes area (ha) and plantingDay into the line and checks it against the
// irrigable area. On an excess the old planting day comes back, and the old area unless the line
// is being added. The line takes its crop file as CropFileName. A refused crop is told to the
// user (area 0, no crop file, or the months the area is exceeded).
TCropRefusal SaveCropToPattern(TCropPatternLine& line, bool adding, double area, int plantingDay,
                               const TDailyArea& otherCrops, double irrigableArea,
                               const TGuiSettings& settings);

extern const std::string kTooManyCrops; // "You can't load more than 40 crops into a pattern"
