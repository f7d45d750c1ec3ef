#pragma once
// The game's message texts: "msg.hdr" (where each message lies) and the message file,
// "msg.dbs" (pieces in a prefix code) or "msg.gld" (plain pieces).

#include <cstdint>
#include <span>
#include <vector>

// Decodes first-edition pieces (length L, character count N, L - 1 bytes of code bits) into
// plain pieces (length N, then N characters). Length and count bytes are unsigned. A piece the
// buffer does not hold whole ends the decoding; code bits that end early give a shorter piece.
std::vector<uint8_t> DecodeMessagePieces(std::span<const uint8_t> raw);
