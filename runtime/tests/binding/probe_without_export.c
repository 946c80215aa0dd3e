/* A library the binding tests load: it lacks ProbeAnswer. */
#ifdef _WIN32
__declspec(dllexport)
#endif
int SomethingElse(void) { return 7; }
