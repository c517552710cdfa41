#include "support/TestSupport.h"

#include "core/cValueStream.h"

#include <cctype>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

TTempDir::TTempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quelta-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    path = pattern;
}

TTempDir::~TTempDir() {
    std::error_code ec;
    std::filesystem::permissions(path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path, ec);
}

std::string Bytes(std::initializer_list<int> bytes) {
    std::string out;
    for (int b : bytes)
        out += static_cast<char>(b);
    return out;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    file << bytes;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << file.rdbuf();
    return buffer.str();
}

std::string StreamString(const std::string& text) {
    return Bytes({6, static_cast<int>(text.size())}) + text;
}

std::string StreamFloat(double value) {
    TValueWriter writer;
    writer.WriteFloat(value);
    return writer.Bytes();
}

std::string StreamInt(int value) {
    TValueWriter writer;
    writer.WriteInteger(value);
    return writer.Bytes();
}

TReportText ParseRtfParagraphs(const std::string& rtf) {
    TReportText lines;
    const std::size_t body = rtf.find("\\fs20");
    std::string text;
    bool bold = false;
    bool lineBold = false;
    for (std::size_t i = body + 5; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (c == '\\') {
            std::size_t j = i + 1;
            if (rtf[j] == '\\' || rtf[j] == '{' || rtf[j] == '}') {
                text += rtf[j];
                i = j;
                continue;
            }
            std::string word;
            while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[j])))
                word += rtf[j++];
            std::string number;
            while (j < rtf.size() &&
                   (rtf[j] == '-' || std::isdigit(static_cast<unsigned char>(rtf[j]))))
                number += rtf[j++];
            if (j < rtf.size() && rtf[j] == ' ')
                ++j;
            if (word == "b")
                bold = number != "0", lineBold = lineBold || bold;
            else if (word == "par") {
                lines.push_back({text, lineBold});
                text.clear();
                lineBold = false;
            } else if (word == "u") {
                int code = std::stoi(number);
                if (code < 0)
                    code += 65536;
                text += code < 0x800 ? std::string{static_cast<char>(0xC0 | (code >> 6)),
                                                   static_cast<char>(0x80 | (code & 0x3F))}
                                     : std::string("?");
                ++j; // the fallback character
            } else if (word == "tab")
                text += '\t';
            i = j - 1;
        } else if (c != '\r' && c != '\n' && c != '}') {
            text += c;
        }
    }
    return lines;
}
