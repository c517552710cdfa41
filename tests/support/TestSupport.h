#pragma once

#include "core/cReportText.h"

#include <cstdint>
#include <initializer_list>
#include <string>

// A fresh folder under the system's temporary folder, removed with everything in it.
class TTempDir {
public:
    TTempDir();
    ~TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;
    const std::string& Path() const { return path; }
    std::string File(const std::string& name) const { return path + "/" + name; }

private:
    std::string path;
};

std::string Bytes(std::initializer_list<int> bytes);
void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);

// Single values of the typed value stream, for building files value by value.
std::string StreamString(const std::string& text); // tag 6
std::string StreamFloat(double value);             // tag 5
std::string StreamInt(int value);                  // as the writer stores it

// Reads back the paragraphs of an RTF document written by ReportToRtf: the text of each \par
// with \uN escapes decoded, and whether it was bold.
TReportText ParseRtfParagraphs(const std::string& rtf);
