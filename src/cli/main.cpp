#include <iostream>

int main() {
    std::cout << "Usage: lumo-cli build --output DIR [--from PATH/exhibition.tsd] [--item FILE...]...\n";
    return 0;
}
