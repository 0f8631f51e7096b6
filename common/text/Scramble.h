#ifndef TANZO_TEXT_SCRAMBLE_H
#define TANZO_TEXT_SCRAMBLE_H

#include "afx/String.h"
#include "afx/wintypes.h"

// Short secrets (the passwords of the user's IDs) are kept in the profile
// as a 510-character text of the characters " " to "/": a block of 255
// random bytes, two characters per byte, with the text's bytes hidden at
// fixed places of the block.

// Scrambles a text of at most 32 bytes into strOut. FALSE for a longer
// text (or none): strOut is then left as it was, so that a secret is never
// silently lost.
BOOL EncodeScrambledText32(LPCTSTR lpszText, CString& strOut);

// Turns a scrambled text back into the plain text (up to its first zero
// byte). FALSE, leaving strOut as it was, unless the text has exactly 510
// characters.
BOOL DecodeScrambledText32(LPCTSTR lpszText, CString& strOut);

#endif // TANZO_TEXT_SCRAMBLE_H
