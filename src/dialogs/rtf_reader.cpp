#include "dialogs/rtf_reader.h"

#include "base/text_codec.h"
#include "dialogs/rtf_control_words.h"

#include <QLatin1StringView>
#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace {

constexpr int kMaxDepth = 512;           // deeper groups share the state of the deepest one
constexpr qsizetype kMaxColours = 65536; // further colour-table entries are ignored
constexpr int kMaxHalfPoints = 3276;     // 1638 pt, the largest size RTF writers produce
constexpr int kMaxUnicodeSkip = 16;
constexpr int kMaxDistance = 31680; // 22 inches in twips, the widest page RTF knows
constexpr char16_t kReplacement = 0xFFFD;

enum class Destination { Text, Skip, FontTable, ColourTable };

// Windows-1252, the code page of \'hh and of raw 8-bit bytes.
const std::array<QChar, 256> &windows1252() {
    static const std::array<QChar, 256> table = [] {
        QByteArray bytes(256, Qt::Uninitialized);
        for (int i = 0; i < 256; ++i)
            bytes[i] = static_cast<char>(i);
        const QString text = TextCodec::decodeWindows1252(bytes);
        std::array<QChar, 256> t;
        for (int i = 0; i < 256; ++i)
            t[i] = text.at(i);
        return t;
    }();
    return table;
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isPlainText(char c) {
    return c >= 0x20 && c < 0x7F && c != '\\' && c != '{' && c != '}';
}

// Control characters other than tab mean nothing in the text and would show as boxes.
bool isJunk(QChar c) {
    return (c.unicode() < 0x20 && c != u'\t') || c.unicode() == 0x7F;
}

int hexValue(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

struct GroupState {
    RtfCharFormat format;
    RtfParagraphFormat paragraph;
    Destination destination = Destination::Text;
    int unicodeSkip = 1; // \uc: how many fallback characters follow a \uN
    bool hidden = false;
};

class Parser {
public:
    explicit Parser(QByteArrayView input) : p(input.data()), end(input.data() + input.size()) {
        stack.reserve(64);
        stack.emplace_back();
        doc.paragraphs.append(RtfParagraph{});
    }

    RtfDocument run() {
        while (p < end) {
            const char c = *p;
            if (c == '{') {
                ++p;
                openGroup();
            } else if (c == '}') {
                ++p;
                closeGroup();
            } else if (c == '\\') {
                ++p;
                escape();
            } else {
                rawText();
            }
        }
        finish();
        return std::move(doc);
    }

private:
    const char *p;
    const char *end;
    RtfDocument doc;
    std::vector<GroupState> stack;
    int overflowDepth = 0;   // groups opened beyond kMaxDepth
    bool groupStart = false; // nothing but \* read since the last '{'
    int fallbackLeft = 0;    // fallback characters of the last \uN still to skip
    char16_t pendingHigh = 0;
    int fontNumber = -1; // the font-table entry being read
    QString fontName;
    RtfColour colourEntry;
    bool colourSet = false;

    GroupState &state() { return stack.back(); }

    void openGroup() {
        fallbackLeft = 0;
        groupStart = true;
        if (stack.size() >= kMaxDepth)
            ++overflowDepth;
        else
            stack.push_back(stack.back());
    }

    void closeGroup() {
        fallbackLeft = 0;
        groupStart = false;
        if (overflowDepth > 0) {
            --overflowDepth;
            return;
        }
        if (stack.size() == 1) // a stray closing brace
            return;
        if (state().destination == Destination::FontTable)
            commitFont();
        stack.pop_back();
    }

    void escape() {
        if (p == end)
            return;
        if (isLetter(*p)) {
            controlWord();
            return;
        }
        const char c = *p++;
        if (c == '*') { // marks the group as one we may skip when we do not know it
            if (groupStart)
                setDestination(Destination::Skip);
            return;
        }
        groupStart = false;
        switch (c) {
        case '\'': {
            const int high = p < end ? hexValue(p[0]) : -1;
            const int low = p + 1 < end ? hexValue(p[1]) : -1;
            if (high < 0 || low < 0) { // a broken escape shows nothing
                p += high >= 0 ? 1 : 0;
                return;
            }
            p += 2;
            const QChar decoded = windows1252()[high * 16 + low];
            if (isJunk(decoded))
                fallbackLeft = std::max(fallbackLeft - 1, 0);
            else
                addChar(decoded);
            return;
        }
        case '\\':
        case '{':
        case '}':
            addChar(QLatin1Char(c));
            return;
        case '~':
            addChar(QChar(0x00A0));
            return;
        case '_':
            addChar(QChar(0x2011));
            return;
        case '-':
            addChar(QChar(0x00AD));
            return;
        case '\r':
        case '\n':
            paragraph();
            return;
        default:
            return;
        }
    }

    void controlWord() {
        const char *nameStart = p;
        while (p < end && isLetter(*p))
            ++p;
        const std::string_view name(nameStart, std::size_t(p - nameStart));
        bool hasParameter = false;
        long long value = 0;
        bool negative = false;
        if (p < end && (*p == '-' && p + 1 < end && isDigit(p[1]))) {
            negative = true;
            ++p;
        }
        while (p < end && isDigit(*p)) {
            hasParameter = true;
            if (value < 1'000'000'000)
                value = value * 10 + (*p - '0');
            ++p;
        }
        if (p < end && *p == ' ')
            ++p;
        const int parameter = int(std::min(value, 2'000'000'000LL) * (negative ? -1 : 1));

        // A control word ends the fallback of a \uN: dropping a word such as \par there
        // would lose more than showing a stray fallback character.
        fallbackLeft = 0;
        groupStart = false;
        if (const RtfControlWord *word = findRtfControlWord(name))
            apply(*word, hasParameter, parameter);
    }

    void apply(const RtfControlWord &info, bool hasParameter, int parameter) {
        RtfCharFormat &format = state().format;
        const bool on = !hasParameter || parameter != 0;
        switch (info.action) {
        case RtfWord::Paragraph:
            paragraph();
            break;
        case RtfWord::Character:
            addChar(QChar(char16_t(info.value)));
            break;
        case RtfWord::Bold:
            format.bold = on;
            break;
        case RtfWord::Italic:
            format.italic = on;
            break;
        case RtfWord::Underline:
            format.underline = on;
            break;
        case RtfWord::UnderlineNone:
            format.underline = false;
            break;
        case RtfWord::FontSize:
            if (!hasParameter)
                format.halfPoints = RtfCharFormat{}.halfPoints;
            else if (parameter > 0)
                format.halfPoints = std::min(parameter, kMaxHalfPoints);
            break;
        case RtfWord::Font:
            if (state().destination == Destination::FontTable) {
                commitFont();
                fontNumber = std::max(parameter, 0);
            } else {
                format.font = std::max(parameter, 0);
            }
            break;
        case RtfWord::Colour:
            format.colour = std::max(parameter, 0);
            break;
        case RtfWord::Plain:
            format = RtfCharFormat{};
            state().hidden = false;
            break;
        case RtfWord::ParagraphDefault:
            state().paragraph = RtfParagraphFormat{};
            break;
        case RtfWord::SpaceBefore:
            state().paragraph.spaceBefore = std::clamp(parameter, 0, kMaxDistance);
            break;
        case RtfWord::SpaceAfter:
            state().paragraph.spaceAfter = std::clamp(parameter, 0, kMaxDistance);
            break;
        case RtfWord::LeftIndent:
            state().paragraph.leftIndent = std::clamp(parameter, -kMaxDistance, kMaxDistance);
            break;
        case RtfWord::FirstIndent:
            state().paragraph.firstIndent = std::clamp(parameter, -kMaxDistance, kMaxDistance);
            break;
        case RtfWord::Alignment:
            state().paragraph.alignment = RtfAlignment(info.value);
            break;
        case RtfWord::Hidden:
            state().hidden = on;
            break;
        case RtfWord::Unicode:
            if (hasParameter)
                unicode(parameter);
            break;
        case RtfWord::UnicodeSkip:
            state().unicodeSkip = std::clamp(parameter, 0, kMaxUnicodeSkip);
            break;
        case RtfWord::Binary: // raw bytes that are never text
            p += std::clamp<qsizetype>(parameter, 0, end - p);
            break;
        case RtfWord::DefaultFont:
            doc.defaultFont = std::max(parameter, 0);
            break;
        case RtfWord::FontTable:
            if (setDestination(Destination::FontTable)) {
                fontNumber = -1;
                fontName.clear();
            }
            break;
        case RtfWord::ColourTable:
            if (setDestination(Destination::ColourTable))
                colourSet = false;
            break;
        case RtfWord::Red:
        case RtfWord::Green:
        case RtfWord::Blue:
            if (state().destination == Destination::ColourTable) {
                const int component = std::clamp(parameter, 0, 255);
                (info.action == RtfWord::Red     ? colourEntry.red
                 : info.action == RtfWord::Green ? colourEntry.green
                                                 : colourEntry.blue) = component;
                colourSet = true;
            }
            break;
        case RtfWord::SkipDestination:
            setDestination(Destination::Skip);
            break;
        }
    }

    // Destinations live in groups: outside any group, or in groups nested past the depth
    // limit (which share their state with an outer group), a destination word is ignored.
    bool setDestination(Destination destination) {
        if (stack.size() == 1 || overflowDepth > 0)
            return false;
        state().destination = destination;
        return true;
    }

    // \uN: N is a signed 16-bit number; a pair of surrogates makes one character.
    void unicode(int value) {
        if (value < 0)
            value += 65536;
        if (state().destination == Destination::Text) {
            if (value >= 0xD800 && value <= 0xDBFF) {
                flushHighSurrogate();
                pendingHigh = char16_t(value);
            } else if (value >= 0xDC00 && value <= 0xDFFF) {
                const char16_t pair[2] = {pendingHigh, char16_t(value)};
                pendingHigh = 0;
                if (pair[0] != 0) {
                    if (!state().hidden)
                        appendToRun(QStringView(pair, 2));
                } else
                    addChar(QChar(kReplacement));
            } else if (value < 0 || value > 0xFFFF) {
                addChar(QChar(kReplacement));
            } else if (!isJunk(QChar(char16_t(value)))) {
                addChar(QChar(char16_t(value)));
            }
        } else if (value >= 0 && value <= 0xFFFF && !isJunk(QChar(char16_t(value)))) {
            addChar(QChar(char16_t(value)));
        }
        fallbackLeft = state().unicodeSkip;
    }

    // Text outside control words: runs of printable ASCII at once, other bytes one by one.
    void rawText() {
        const char *start = p;
        while (p < end && isPlainText(*p))
            ++p;
        if (p > start) {
            groupStart = false;
            addText(QLatin1StringView(start, p - start));
            return;
        }
        const auto byte = static_cast<unsigned char>(*p++);
        if (byte != '\r' && byte != '\n')
            groupStart = false;
        if (byte == '\t')
            addChar(QLatin1Char('\t'));
        else if (byte >= 0x80)
            addChar(windows1252()[byte]);
        // Line ends are layout of the file, not text; other control bytes are junk.
    }

    void addChar(QChar c) { addText(QStringView(&c, 1)); }

    template <typename Text> void addText(Text text) {
        const Destination destination = state().destination;
        if (destination == Destination::Skip)
            return;
        if (fallbackLeft > 0) {
            const qsizetype skipped = std::min<qsizetype>(fallbackLeft, text.size());
            fallbackLeft -= int(skipped);
            text = text.sliced(skipped);
            if (text.isEmpty())
                return;
        }
        switch (destination) {
        case Destination::Text:
            if (!state().hidden) {
                flushHighSurrogate();
                appendToRun(text);
            }
            break;
        case Destination::FontTable:
            for (qsizetype i = 0; i < text.size(); ++i) {
                if (QChar(text.at(i)) == u';')
                    commitFont();
                else
                    fontName.append(QChar(text.at(i)));
            }
            break;
        case Destination::ColourTable:
            for (qsizetype i = 0; i < text.size(); ++i)
                if (QChar(text.at(i)) == u';')
                    commitColour();
            break;
        case Destination::Skip:
            break;
        }
    }

    template <typename Text> void appendToRun(Text text) {
        QList<RtfRun> &runs = doc.paragraphs.last().runs;
        if (runs.isEmpty() || runs.last().format != state().format)
            runs.append(RtfRun{QString(), state().format});
        runs.last().text.append(text);
        // Until its \par, a paragraph has the layout in force at its latest text.
        doc.paragraphs.last().format = state().paragraph;
    }

    void flushHighSurrogate() {
        if (pendingHigh == 0)
            return;
        pendingHigh = 0;
        appendToRun(QStringView(&kReplacement, 1));
    }

    void paragraph() {
        if (state().destination != Destination::Text)
            return;
        flushHighSurrogate();
        // A paragraph takes the layout in force at its end.
        doc.paragraphs.last().format = state().paragraph;
        doc.paragraphs.append(RtfParagraph{});
    }

    void commitFont() {
        const QString name = fontName.trimmed();
        if (fontNumber >= 0 && !name.isEmpty())
            doc.fonts.insert(fontNumber, name);
        fontNumber = -1;
        fontName.clear();
    }

    void commitColour() {
        if (doc.colours.size() < kMaxColours)
            doc.colours.append(colourSet ? std::optional(colourEntry) : std::nullopt);
        colourEntry = {};
        colourSet = false;
    }

    void finish() {
        flushHighSurrogate();
        if (fontNumber >= 0)
            commitFont();
        // The \par that ends the last paragraph does not start another one.
        if (doc.paragraphs.size() > 1 && doc.paragraphs.last().runs.isEmpty())
            doc.paragraphs.removeLast();
    }
};

} // namespace

RtfDocument RtfReader::read(QByteArrayView rtf) {
    return Parser(rtf).run();
}
