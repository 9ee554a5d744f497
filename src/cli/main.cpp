#include "clicommands.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    return zorvan::cli::Run(argc, argv);
}
