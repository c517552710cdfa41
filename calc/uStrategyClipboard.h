#pragma once

#include "calc/uStrategyModel.h"

#include <string>

class TGuiSettings;

// The plain text the strategy window's Copy to clipboard puts on the clipboard for a page: each
// cell or caption followed by a tab, each line ended by CR LF. The Water Balance page has none
// (an empty text).
std::string StrategyClipboardText(const TStrategyModel& model, TStrategyPage page,
                                  const TGuiSettings& settings);
