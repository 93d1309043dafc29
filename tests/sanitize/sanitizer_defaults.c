/* Linked into every program of the sanitizer and fuzzing builds: the first report ends the
 * program with an abort, leaks are looked for at exit, and the leaks that the system libraries
 * keep to themselves (X11, Mesa, the audio and image libraries) are left out. Options given in
 * ASAN_OPTIONS, UBSAN_OPTIONS or LSAN_OPTIONS still win. */

const char* __asan_default_options(void)
{
    return "halt_on_error=1:abort_on_error=1:detect_leaks=1";
}

const char* __ubsan_default_options(void)
{
    return "halt_on_error=1:abort_on_error=1:print_stacktrace=1";
}

const char* __lsan_default_options(void)
{
    return "suppressions=" ZEPO_LSAN_SUPPRESSIONS;
}
