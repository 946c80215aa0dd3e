/* What the stand-in engine of the skin tests remembers of the calls it received. */
#pragma once

struct FakeEngineRecord {
    int attachCalls;
    const unsigned char* skin;
    int length;
    const char* text;
    int first, second, third;
    int detachCalls;
};
