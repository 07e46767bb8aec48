// A library with one export, ordinal 1: it has no outline function.
extern "C" __declspec(dllexport) int NotAnOutliner()
{
    return 0;
}
