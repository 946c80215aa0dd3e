// The two functions every skin engine library exports by these names, as C functions
// (stdcall on 32-bit Windows), and the pointer types a caller binds them to.
#pragma once

#if defined(_WIN32)
#define URLPUSH_ENGINE_CALL __stdcall
#else
#define URLPUSH_ENGINE_CALL
#endif

extern "C" {

// Applies the skin in `skin` (`length` bytes, the format of skin_format.h) to the calling
// thread's windows, present and future. `text` and the three integers are reserved and
// ignored. Returns 0, or the SkinError of data it does not accept, changing nothing; a
// Linux engine also refuses (5) when the process has no running QApplication.
using SkinAttachFunction = int(URLPUSH_ENGINE_CALL*)(const unsigned char* skin, int length,
                                                     const char* text, int first, int second,
                                                     int third);
// Takes the skin off again and restores what was there before; returns 0.
using SkinDetachFunction = int(URLPUSH_ENGINE_CALL*)();
}
