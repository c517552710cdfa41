#pragma once

#include <functional>
#include <string>
#include <vector>

// Every kind of data file the program reads and writes, as the robustness tests load, save and
// damage them. Each kind keeps one record of its own that Load fills.
struct TFileKind {
    std::string Name; // a file name with the kind's extension
    // The text of one string field (empty when the kind holds none), to find it in the bytes.
    std::string SomeText;
    // Saves one of two different filled records (variant 0 or 1) to path.
    std::function<void(const std::string& path, int variant)> Save;
    // Loads path into the kind's record.
    std::function<bool(const std::string& path)> Load;
    // Reads bytes held in memory into the kind's record (ReadData).
    std::function<bool(const std::string& bytes)> Read;
    // What the kind's record holds now, as its writer stores it.
    std::function<std::string()> Held;
};

// The kinds: settings .INI, .gen, .mtf, .udc, .pat (its crop files in cropFolder), .str, .soi,
// .sch.
std::vector<TFileKind> FileKinds(const std::string& cropFolder);
