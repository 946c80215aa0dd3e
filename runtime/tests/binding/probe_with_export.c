/* A library the binding tests load: it exports ProbeAnswer. */
#ifdef _WIN32
__declspec(dllexport)
#endif
int ProbeAnswer(void) { return 42; }
