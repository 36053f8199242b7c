// A parser that sized a vector from an unchecked count would ask for gigabytes, which a roomy
// machine may quietly grant. Under AddressSanitizer this limit turns such a request into a
// reported failure of the test that made it.

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LAUNCHER_TESTS_UNDER_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define LAUNCHER_TESTS_UNDER_ASAN 1
#endif

#ifdef LAUNCHER_TESTS_UNDER_ASAN
extern "C" __attribute__((visibility("default"), used)) const char* __asan_default_options() {
    return "max_allocation_size_mb=256:allocator_may_return_null=0";
}
#endif
