// The owner of the test binaries' precompiled header; it is built for the header alone.
int main()
{
    return 0;
}
