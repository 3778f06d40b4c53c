#pragma once

#include <string_view>

// The RTF control words the reader acts on; every other word is passed over.
enum class RtfWord {
    Paragraph,
    Character, // stands for one character
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    FontSize,
    Font,
    Colour,
    Plain,
    ParagraphDefault,
    SpaceBefore,
    SpaceAfter,
    LeftIndent,
    FirstIndent,
    Alignment,
    Hidden,
    Unicode,
    UnicodeSkip,
    Binary,
    DefaultFont,
    FontTable,
    ColourTable,
    Red,
    Green,
    Blue,
    SkipDestination, // a group whose content is not text
};

struct RtfControlWord {
    RtfWord action;
    int value = 0; // the character of RtfWord::Character, the RtfAlignment of Alignment
};

// The word named `name` (its letters, without backslash or parameter), or null.
const RtfControlWord *findRtfControlWord(std::string_view name);
