#pragma once

#include <string>

// Why a file operation failed, in words for the user (current language, Windows-1252):
// "keine Zugriffsrechte", "schreibgeschütztes Laufwerk", "Datenträger voll" or "Fehler <n>".
class CFileErrorText
{
public:
    static std::string Reason(int error);
};
