#include <iostream>

#include "tools/route/route_cli.h"

int main(int argc, char** argv) { return tnx::RunRouteCli(argc, argv, std::cout, std::cerr); }
