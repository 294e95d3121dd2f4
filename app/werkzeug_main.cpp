#include <iostream>
#include <string>
#include <vector>

#include "werkzeug/UWerkzeug.h"

int main(int argc, char** argv) {
    std::vector<std::string> argumente(argv + 1, argv + argc);
    return WerkzeugAusfuehren(argumente, std::cout, std::cerr);
}
