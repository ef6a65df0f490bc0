// Links one library whole with the libraries below it; nothing to run.
int main() { return 0; }
