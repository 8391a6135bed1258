#pragma once

#include <QString>

// The text for an opener's failure result (the shell's error codes), "Unknown Error (n)
// occurred." for a code without a text of its own.
QString HyperlinkErrorText(int result);

// The whole message a hyperlink shows when it cannot be opened.
QString HyperlinkErrorMessage(int result);
