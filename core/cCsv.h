#pragma once

#include <string>
#include <vector>

// Comma-separated text. Written fields follow RFC 4180: a field holding a comma, a quote or a
// line end is quoted, its quotes doubled. The tables we read ourselves hold no quoted fields.

std::string CsvField(const std::string& text);
// The fields of a line split at every comma; a line ending in a comma has an empty last field.
std::vector<std::string> SplitCsvLine(const std::string& line);
