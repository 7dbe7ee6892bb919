#include <iostream>

int main()
{
    std::cerr << "kalvanor: not yet\n";
    return 1;
}
