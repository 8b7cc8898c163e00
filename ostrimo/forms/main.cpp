#include "ostrimo/forms/Ostrimo.h"

int main(int argc, char** argv) { return ostrimo::RunOstrimo(argc, argv); }
