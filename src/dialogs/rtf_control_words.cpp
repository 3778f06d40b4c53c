#include "dialogs/rtf_control_words.h"

#include "dialogs/rtf_document.h"

#include <unordered_map>

const RtfControlWord *findRtfControlWord(std::string_view name) {
    static const std::unordered_map<std::string_view, RtfControlWord> table = [] {
        using W = RtfWord;
        // clang-format off
        std::unordered_map<std::string_view, RtfControlWord> t = {
            {"par", {W::Paragraph}}, {"sect", {W::Paragraph}}, {"page", {W::Paragraph}},
            {"row", {W::Paragraph}},
            {"line", {W::Character, 0x2028}}, {"tab", {W::Character, u'\t'}},
            {"cell", {W::Character, u'\t'}}, {"emdash", {W::Character, 0x2014}},
            {"endash", {W::Character, 0x2013}}, {"emspace", {W::Character, 0x2003}},
            {"enspace", {W::Character, 0x2002}}, {"qmspace", {W::Character, 0x2005}},
            {"bullet", {W::Character, 0x2022}}, {"lquote", {W::Character, 0x2018}},
            {"rquote", {W::Character, 0x2019}}, {"ldblquote", {W::Character, 0x201C}},
            {"rdblquote", {W::Character, 0x201D}},
            {"b", {W::Bold}}, {"i", {W::Italic}},
            {"ul", {W::Underline}}, {"uld", {W::Underline}}, {"uldb", {W::Underline}},
            {"ulw", {W::Underline}}, {"ulth", {W::Underline}}, {"ulwave", {W::Underline}},
            {"ulnone", {W::UnderlineNone}},
            {"fs", {W::FontSize}}, {"f", {W::Font}}, {"cf", {W::Colour}},
            {"plain", {W::Plain}}, {"v", {W::Hidden}},
            {"pard", {W::ParagraphDefault}}, {"sb", {W::SpaceBefore}}, {"sa", {W::SpaceAfter}},
            {"li", {W::LeftIndent}}, {"fi", {W::FirstIndent}},
            {"ql", {W::Alignment, int(RtfAlignment::Left)}},
            {"qc", {W::Alignment, int(RtfAlignment::Centre)}},
            {"qr", {W::Alignment, int(RtfAlignment::Right)}},
            {"qj", {W::Alignment, int(RtfAlignment::Justify)}},
            {"u", {W::Unicode}}, {"uc", {W::UnicodeSkip}}, {"bin", {W::Binary}},
            {"deff", {W::DefaultFont}}, {"fonttbl", {W::FontTable}},
            {"colortbl", {W::ColourTable}},
            {"red", {W::Red}}, {"green", {W::Green}}, {"blue", {W::Blue}},
        };
        // clang-format on
        // Destinations whose content is not part of the text.
        for (std::string_view skipped : {"stylesheet",
                                         "info",
                                         "pict",
                                         "object",
                                         "objdata",
                                         "header",
                                         "headerl",
                                         "headerr",
                                         "headerf",
                                         "footer",
                                         "footerl",
                                         "footerr",
                                         "footerf",
                                         "footnote",
                                         "annotation",
                                         "fldinst",
                                         "xe",
                                         "tc",
                                         "txe",
                                         "rxe",
                                         "pn",
                                         "listtable",
                                         "listoverridetable",
                                         "revtbl",
                                         "rsidtbl",
                                         "filetbl",
                                         "generator",
                                         "themedata",
                                         "colorschememapping",
                                         "latentstyles",
                                         "datastore",
                                         "xmlnstbl",
                                         "nonshppict",
                                         "falt",
                                         "panose",
                                         "bkmkstart",
                                         "bkmkend",
                                         "pgdsctbl",
                                         "mmathPr"})
            t.emplace(skipped, RtfControlWord{W::SkipDestination});
        return t;
    }();
    const auto found = table.find(name);
    return found == table.end() ? nullptr : &found->second;
}
