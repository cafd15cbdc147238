#include <iostream>

#include "cli/run_cli.h"

int main(int argc, char** argv) { return torvane::cli::RunCli(argc, argv, std::cout, std::cerr); }
