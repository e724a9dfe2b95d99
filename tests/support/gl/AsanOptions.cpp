// Mesa keeps a few kilobytes it never frees; leaks there are not ours to
// report, so the GL test program runs without leak detection.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=0";
}
