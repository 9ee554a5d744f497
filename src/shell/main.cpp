#include "editorapp.h"

int main(int argc, char **argv)
{
    return zorvan::RunEditor(argc, argv);
}
