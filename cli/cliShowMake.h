#pragma once

#include <iosfwd>
#include <string>

// `show FILE` prints a data file as JSON; `make JSON OUT` writes the data file named by OUT's
// extension from JSON of the same shape. Both return an exit code and report on err.
int ShowFile(const std::string& path, std::ostream& out, std::ostream& err);
int MakeFile(const std::string& jsonPath, const std::string& outPath, std::ostream& err);
