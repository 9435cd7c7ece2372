// The theme compiler's entry point.
int main() { return 0; }
