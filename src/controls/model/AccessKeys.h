#pragma once

#include <string>
#include <vector>

// Menu texts for names the user chose (Windows-1252), in their order: every "&" doubled so that
// it shows as such, and an access key ("&" before it) for each name that still has a letter or
// digit no earlier entry took, preferring the start of a word. Keys are compared without case;
// only ASCII letters and digits serve as keys, since not every keyboard has the others.
std::vector<std::string> MenuTextsWithAccessKeys(const std::vector<std::string>& names);
