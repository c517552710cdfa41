#pragma once

#include <string>
#include <vector>

// The library tables in resources/ (crops.csv, soils.csv): lines starting with '#' are
// comments, the first other line is the header, every further line a row of comma-separated
// fields. Parsing errors name the table and the line.

struct TLibraryRow {
    std::string Where; // "crops.csv line 12"
    std::vector<std::string> Fields;
};

// The rows of a table whose header is one of headers; throws std::runtime_error otherwise.
// headerIndex receives the position of the header found.
std::vector<TLibraryRow> ReadLibraryTable(const std::string& text, const std::string& tableName,
                                          const std::vector<std::string>& headers,
                                          int& headerIndex);
