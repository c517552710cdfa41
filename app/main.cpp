#include "ui/uStartUp.h"

int main(int argc, char** argv) {
    return RunQuelta(argc, argv);
}
