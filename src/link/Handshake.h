#pragma once

#include <cstddef>

#include "link/SerialLink.h"

namespace ht57 {

void Pause(int ms);
void WriteByte(SerialLink& link, Byte b);
// Reads up to n bytes whose contents the protocol does not look at.
void SkipBytes(SerialLink& link, std::size_t n);

// Sends "PROGRAM" 0x02 one byte at a time, 2 ms before each, and waits up to
// 1000 ms for 0x06 or 0x16; repeats for at most `attempts` bursts. True when
// the radio answered; false at once when the link breaks.
bool Handshake(SerialLink& link, int attempts);

}  // namespace ht57
