#include "ui/Program.h"
#include "ui/Unit1.h"

#include <memory>

int main(int argc, char* argv[])
{
    return vareldo::RunProgram(argc, argv, [] { return std::make_unique<vareldo::T_PRINCIPALE>(); });
}
