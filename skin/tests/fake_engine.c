/* A stand-in engine for the skin tests: it records every call it receives, and its attach
   answers with its first integer, so a test can make it refuse. Built in variants without
   SkinH_AttachRes or without SkinH_Detach. */
#include "skin/tests/fake_engine_record.h"

#ifdef _WIN32
#define EXPORT __declspec(dllexport)
#define ENGINE_CALL __stdcall
#else
#define EXPORT __attribute__((visibility("default")))
#define ENGINE_CALL
#endif

static struct FakeEngineRecord record;

EXPORT struct FakeEngineRecord* FakeEngineCalls(void) { return &record; }

#ifndef FAKE_WITHOUT_ATTACH
EXPORT int ENGINE_CALL SkinH_AttachRes(const unsigned char* skin, int length, const char* text,
                                       int first, int second, int third) {
    ++record.attachCalls;
    record.skin = skin;
    record.length = length;
    record.text = text;
    record.first = first;
    record.second = second;
    record.third = third;
    return first;
}
#endif

#ifndef FAKE_WITHOUT_DETACH
EXPORT int ENGINE_CALL SkinH_Detach(void) {
    ++record.detachCalls;
    return 0;
}
#endif
