// layout-host: the stand-in page-layout application, run from the command line.
#include <iostream>

#include "host/app/host_program.h"

int main(int argc, char** argv)
{
    const auto parsed = host::app::parseCommandLine(argc, argv, std::cout, std::cerr);
    if (const auto* status = std::get_if<host::app::ExitStatus>(&parsed))
        return static_cast<int>(*status);
    const auto& options = std::get<host::app::ProgramOptions>(parsed);
    return static_cast<int>(host::app::runHostProgram(options, std::cout, std::cerr));
}
