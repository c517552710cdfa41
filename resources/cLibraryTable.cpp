#include "resources/cLibraryTable.h"

#include "core/cCsv.h"

#include <sstream>
#include <stdexcept>

std::vector<TLibraryRow> ReadLibraryTable(const std::string& text, const std::string& tableName,
                                          const std::vector<std::string>& headers,
                                          int& headerIndex) {
    std::vector<TLibraryRow> rows;
    std::stringstream stream(text);
    std::string line;
    headerIndex = -1;
    for (int number = 1; std::getline(stream, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        const std::string where = tableName + " line " + std::to_string(number);
        if (headerIndex < 0) {
            for (std::size_t h = 0; h < headers.size(); ++h)
                if (line == headers[h])
                    headerIndex = static_cast<int>(h);
            if (headerIndex < 0)
                throw std::runtime_error(where + ": the header must be " + headers.back());
            continue;
        }
        rows.push_back({where, SplitCsvLine(line)});
    }
    return rows;
}
