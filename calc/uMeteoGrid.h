#pragma once

// What the meteo editor's grid shows and how it is read back: one row per period of the
// current calculation period, column 0 the period label and columns 1..8 the eight quantities in
// file order. Cells are texts in the units now set; the range rules are checked on the metric
// value of the text. The editor and the main window's checks share this code.

#include <array>
#include <functional>
#include <string>
#include <vector>

class TGuiSettings;
class TMeteo;

constexpr int kMeteoGridColumns = 9;
constexpr int kMeteoPrecipitationColumn = 3;
constexpr int kMeteoSunshineColumn = 4;

using TMeteoRowTexts = std::array<std::string, kMeteoGridColumns>;
using TMeteoGridTexts = std::vector<TMeteoRowTexts>; // index 0 is period 1

// Row 0 of the grid: "(Month)", "min (°C)", "max (°C)", "(mm)", "(hours)", ...
TMeteoRowTexts MeteoColumnCaptions(const TGuiSettings& units);
// The group captions over the columns, each with the number of columns it spans.
std::vector<std::pair<std::string, int>> MeteoColumnGroups();

// A cell as the grid shows it: the series' value for the period, in the display unit.
std::string MeteoCellText(const TMeteo& meteo, const TGuiSettings& units, int period, int column);
// Every row of the current calculation period with its label and cells.
TMeteoGridTexts MeteoGridTexts(const TMeteo& meteo, const TGuiSettings& units);
// Writes the cells back, period by period. A cell whose number equals the record's value as the
// grid shows it leaves the record's exact value alone; an empty cell counts as 0; a cell that
// holds no number is skipped.
void StoreMeteoGridTexts(TMeteo& meteo, const TGuiSettings& units, const TMeteoGridTexts& grid);

// Sum of the precipitation cells as shown, "%0.1f".
std::string PrecipitationTotalText(const TMeteoGridTexts& grid);

enum class TMeteoCellState { Empty, Valid, OutOfRange };
// The state of one data cell of a row by the rules of uMeteoRanges; maxSunshine is the row's
// sunshine limit. Tmax and RHmax are compared with their partners only when those hold a number.
TMeteoCellState MeteoCellState(const TMeteoRowTexts& row, int column, const TGuiSettings& units,
                               double maxSunshine);
// The sunshine limit (hours) of grid row 1..n.
using TMaxSunshine = std::function<double(int row)>;
// True when every data cell holds a number inside its range (an empty cell is invalid).
bool MeteoGridValid(const TMeteoGridTexts& grid, const TGuiSettings& units,
                    const TMaxSunshine& maxSunshine);
// True when no data cell is out of its range; an empty cell is only missing, not out of range.
bool MeteoGridInRange(const TMeteoGridTexts& grid, const TGuiSettings& units,
                      const TMaxSunshine& maxSunshine);

// Range hint of a data column 1..8 and of the wind-height field, in the units now set.
std::string MeteoRangeHint(int column, const TGuiSettings& units);
std::string WindHeightHint(const TGuiSettings& units);

// Whether a key typed into a cell of column 1..8 is let through: digits, backspace and one
// decimal separator; in the temperature columns also "-" as the first character. text is the
// cell's text without its selection, cursor where the character would go.
bool MeteoCellAcceptsCharacter(int column, char32_t typed, const std::string& text,
                               std::size_t cursor);
// Whether a whole text (a value pasted into a cell) could have been typed there: a number, with a
// minus only in front of a temperature.
bool MeteoCellAcceptsText(int column, const std::string& text);

// Spreads pasted text with tabs and line ends over the grid from row, column (0-based row,
// column 1..8): a tab moves one column right, a line end (CR LF, LF or CR) one row down to the
// starting column; each cell reached is emptied and takes the digits, decimal separators and
// minus signs of its part (a temperature only a leading minus). Outside the temperature columns,
// a cell left by a tab or line end whose text begins with "-" becomes "0.0". A part that is still
// no number is left empty and the user told "Invalid value" (once); the result is false then.
// Parts beyond the grid are dropped.
bool SpreadPastedText(TMeteoGridTexts& grid, int row, int column, const std::string& text);

// The height of a grid row, the caption row included: 21 pixels.
constexpr int kMeteoRowHeight = 21;

// The clipboard body after the common head: the wind height line, the group line, every grid
// row from the captions on, and the footer.
std::vector<std::string> MeteoClipboardBody(const std::string& windCaption,
                                            const std::string& windText,
                                            const TMeteoRowTexts& captions,
                                            const TMeteoGridTexts& grid,
                                            const TMeteoRowTexts& footer);
