// Cifrala: practice program for school mathematics.
#include "app/application.h"

int main(int argc, char** argv) {
    return cifrala::run_program(argc, argv);
}
