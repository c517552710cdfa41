#pragma once

#include <string>
#include <vector>

// The three efficiency ratios a strategy proposes: field application (Ra), water delivery (Rd)
// and conveyance (Rc), with the fixed choice lists they are picked from. The choice lines are
// stored whole in a strategy and found again by exact comparison, so their blanks matter.

struct TFieldApplMethod {
    const char* Name;
    int Blanks; // between the name and the standard deviation in the choice line
    double StandardDeviation;
    double Ra; // field application ratio for F = 10 %
};

// The twelve field application methods in choice order, and their choice lines.
const std::vector<TFieldApplMethod>& FieldApplMethodTable();
const std::vector<std::string>& FieldApplMethods();
// The choice as a window shows it in a fixed font, in the same order: the methods with their
// numbers in columns, and the header "application method", "stand.dev.", "Ra for F = 10%" over
// those columns. What is stored is always the choice line above.
struct TFieldApplMethodsShown {
    std::string Header;
    std::vector<std::string> Lines;
};
TFieldApplMethodsShown FieldApplMethodsShown();
// The five uniformity classes ("very good" .. "very poor") and their choice lines.
const std::vector<std::string>& UniformityClassNames();
const std::vector<std::string>& UniformityClasses();
// The three delivery patterns and their choice lines.
const std::vector<std::string>& DeliveryPatternNames();
const std::vector<std::string>& DeliveryPatterns();
// "Continuous", "Intermittent".
const std::vector<std::string>& FlowRegimes();

// Standard deviation of uniformity class 0..4; 0 for no choice.
double UniformityOf(int index);
// Class whose s equals s rounded to one decimal (halves to even); -1 for none.
int UniformityIndexOf(double s);
// Part F (%) of the area where shortage is acceptable, by delivery pattern 0..2; 0 otherwise.
double ShortageOf(int index);
int ShortageIndexOf(double f);
// Standard normal deviate belonging to F.
double ZOfShortage(double f);
double WaterDeliveryRatio(double z, double s);

// Conveyance ratio for flow regime 0 (continuous) or 1 (intermittent) and irrigable area A (ha);
// 0 for any other regime.
double ConveyanceRatioOf(int flowRegime, double area);
// Inside one conveyance row x0..x1 running from r0 to r1.
double InterpolateRatio(double r1, double r0, double area, double x0, double x1);

// The Ra a method proposes: "0", the decimal separator and the last two characters of its line.
std::string ProposedRaText(const std::string& methodLine);
