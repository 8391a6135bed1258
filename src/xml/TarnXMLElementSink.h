#pragma once

struct CTarnXMLNode;

// Told of every element of an XML text as soon as its end tag has been read, with its whole
// subtree parsed and linked. A reader that takes what it needs from an element at that moment
// can let the document drop it, so that a long text never needs the records of all its
// elements at once.
class CTarnXMLElementSink
{
public:
    virtual ~CTarnXMLElementSink() = default;

    // True when `element` and its subtree are no longer needed: the document then unlinks the
    // element from its parent and reuses its records for what follows, so a sink that returns
    // true keeps no pointer into them.
    virtual bool OnElementEnd(const CTarnXMLNode& element) = 0;
};
