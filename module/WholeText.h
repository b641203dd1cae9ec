// The text length that CT_String and CT_UString take as "up to the
// terminator".
#pragma once

const unsigned kWholeText = static_cast<unsigned>(-1);
