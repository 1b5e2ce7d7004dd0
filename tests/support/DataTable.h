// A table of expected values from tests/data: a row a line, cells split at each tab (keeping
// their blanks), '#' lines are comments. A missing table throws rather than pass on no rows.
#pragma once

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/numeric/Calc.h"

namespace lumarik::test {

using DataRow = std::vector<std::string>;

inline std::vector<DataRow> ReadDataTable(const std::string& name) {
    std::vector<DataRow> rows;
    std::ifstream file(std::string(LUMARIK_TEST_DATA_DIR) + "/" + name);
    if (!file) throw std::runtime_error("missing test table " + name);
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') continue;
        DataRow cells;
        for (std::size_t start = 0, tab = 0; tab != std::string::npos; start = tab + 1) {
            tab = line.find('\t', start);
            cells.push_back(line.substr(start, tab - start));
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

// A cell of "number=value ..." pairs, with inf for the infinity marker.
inline std::vector<std::pair<int, double>> NumberedValues(const std::string& cell) {
    std::vector<std::pair<int, double>> values;
    std::istringstream in(cell);
    for (std::string item; in >> item;) {
        const std::string v = item.substr(item.find('=') + 1);
        values.emplace_back(std::stoi(item), v == "inf" ? kInfinity : std::stod(v));
    }
    return values;
}

}  // namespace lumarik::test
