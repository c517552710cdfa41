#include "cli/cliProject.h"

std::string NoSuchFileMessage(const std::string& path) {
    return "Cannot open file \"" + path + "\". No such file";
}
