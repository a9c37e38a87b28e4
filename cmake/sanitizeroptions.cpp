// Built into every program of a sanitizer build (see sanitizers.cmake).
// ASAN_OPTIONS, UBSAN_OPTIONS and LSAN_OPTIONS in the environment still win.

extern "C" {

const char* __asan_default_options()
{
    return "detect_leaks=1:check_initialization_order=1:detect_stack_use_after_return=1";
}

const char* __ubsan_default_options()
{
    return "print_stacktrace=1";
}

// Memory that a system library keeps until the process ends, by design,
// would be named here by that library ("leak:libfontconfig.so\n"), never by
// a function of ours. The whole suite runs clean without one so far.
const char* __lsan_default_suppressions()
{
    return "";
}

} // extern "C"
