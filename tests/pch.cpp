// Holds the precompiled header the tests share; never run.
int main() {}
