#include "app/Application.h"

int main(int argc, char* argv[]) {
    return vespera::runApplication(argc, argv);
}
