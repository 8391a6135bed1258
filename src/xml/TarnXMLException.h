#pragma once

#include <string>

// The one exception of the XML document library, thrown by value.
struct CTarnXMLException
{
    enum ECode {
        NoMemory = 0,       // text buffer, node pages or parser stacks could not be obtained
        UnknownFormat = 2,  // format detection found neither XML nor object text
        UnreadableText = 3, // the input is not a readable text
        InvalidNode = 4,    // strict mode: CheckNode was given something that is not a live node
        SyntaxError = 6,    // Message says what
        StackOverflow = 7,  // nesting deeper than the maximum depth
    };

    int Code = NoMemory;
    int Column = 0;
    // 1-based line of the error position; -1 where no position applies.
    int Line = -1;
    // At most 511 characters; empty for codes without a message.
    std::string Message;
    // Always empty.
    std::string Name;
};
