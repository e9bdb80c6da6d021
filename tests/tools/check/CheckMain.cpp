#include "Check.h"

int main() { return vurozud::test::RunTestCases(); }
