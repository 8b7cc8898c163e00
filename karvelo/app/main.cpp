#include "karvelo/app/Karvelo.h"

int main(int argc, char** argv) { return karvelo::RunKarvelo(argc, argv); }
