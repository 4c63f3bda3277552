#include "conversion_run.h"

int main(int argc, char** argv) { return runConversion(argc, argv); }
