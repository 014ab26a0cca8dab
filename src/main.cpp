#include <iostream>
#include <string>
#include <vector>

#include "shell/batch.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args.front() == "--batch") {
        args.erase(args.begin());
        return vor::runBatch(args, nullptr, std::cout, std::cerr);
    }
    std::cerr << "The window is not available yet; use batch mode.\n";
    vor::printBatchUsage(std::cerr);
    return 2;
}
