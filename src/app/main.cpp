#include <iostream>

int main() {
    std::cerr << "orvant: not yet runnable\n";
    return 1;
}
