// Keys of a placed gauge's parameter text: each setting is one lower-case letter followed
// directly by its value; '/', '#' and an apostrophe start a comment that hides every key
// after it. The window buttons, the registration plate and the radio altimeter read their
// settings with these.
#pragma once

#include "common/gauge_host.h"

namespace zephel::parameter_keys {

// The first occurrence of `key` in `text`, or null when it does not occur or a comment
// character comes before it (or `text` is null). Never writes to the text.
const char* find_key(const char* text, char key);
inline char* find_key(char* text, char key) {
    return const_cast<char*>(find_key(static_cast<const char*>(text), key));
}

// A decimal integer at the start of `value` (blanks, a sign, then digits; none gives 0),
// saturated to the 32-bit range. A null value gives 0.
SINT32 read_decimal(const char* value);

// A panel window identifier: one of the window names (matched as a prefix) or a decimal
// number; -1 for an absent or empty value. A negative identifier is never acted upon.
SINT32 read_window_ident(const char* value);

// A help id: one of the window-toggle help names (matched as a prefix), or a decimal number
// kept only from 0xA000 up; 0 otherwise.
UINT32 read_help_id(const char* value);

}  // namespace zephel::parameter_keys
