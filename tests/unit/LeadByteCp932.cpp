// The lead bytes of code page 932 (Shift_JIS), standing in for the platform's
// table where there is no Windows to ask.
#include "rules/DoubleByte.h"

bool IsLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
