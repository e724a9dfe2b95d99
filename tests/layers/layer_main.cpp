// Linked with one library of the game pulled in whole: its link fails when
// any part of that library calls into a library above it.
int main() {
    return 0;
}
