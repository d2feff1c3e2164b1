#ifndef ZAVEL_FUZZ_REFERENCEREADER_H
#define ZAVEL_FUZZ_REFERENCEREADER_H

// A second reader of the state text, written straight from the format's description with nothing but standard
// streams in the classic locale: std::getline for lines, operator>> for numbers and tokens, and the engine's own
// stream extraction for the random engine. It shares no code with GameCore's fast reader, so wherever the two
// disagree about a text, one of them is wrong. It is slow and only the fuzz targets use it.

#include "gamecore.h"

#include <string>
#include <vector>

namespace ReferenceReader {

// The card list of one line (count, then suit,rank,playedBy codes); false leaves *out as it was.
bool readCards(const std::string &text, std::vector<Zavel::Card> *out);

// A whole state text into *out, validated; false leaves *out as it was.
bool readState(const std::string &text, Zavel::GameCore *out);

} // namespace ReferenceReader

#endif
