// Default sanitizer options of every fuzzer: the runtime is shared (the plug-in modules need it), and libFuzzer's
// own libstdc++ comes before it in the load order, which is harmless since libstdc++ does not replace malloc.
extern "C" const char* __asan_default_options()
{
    return "verify_asan_link_order=0";
}
