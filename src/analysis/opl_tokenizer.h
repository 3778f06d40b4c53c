#pragma once

#include <QByteArrayView>

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class DocumentLanguage;

// Cuts one line of OPL into runs of editor styles: REM comments, strings, numbers,
// operators, and words coloured by the category whose word list holds them (ignoring
// case). OPL has no construct that spans lines, so each line is styled on its own.
//
// Works on the editor's UTF-8 bytes, so run lengths are byte counts; bytes of non-ASCII
// characters count as letters.
class OplTokenizer {
public:
    struct Run {
        int length = 0;
        int style = 0;
        bool operator==(const Run &) const = default;
    };

    // Styles everything as style 0.
    OplTokenizer() = default;
    // Takes the language's style numbers and word lists as they are now; later changes to
    // the language need a new tokenizer. "Keywords" wins over the other word lists.
    explicit OplTokenizer(const DocumentLanguage &language);

    // Replaces `runs` with the runs of `line` (without its line end). The runs cover every
    // byte, and neighbouring runs have different styles.
    void styleLine(QByteArrayView line, std::vector<Run> &runs) const;
    std::vector<Run> styleLine(QByteArrayView line) const;

    int textStyle() const { return m_text; }

private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };

    // The style of a word (upper-cased ASCII), or -1 when no list holds it.
    int wordStyle(const char *word, int length) const;
    void addWords(const QStringList &words, int style);

    int m_text = 0;
    int m_comment = 0;
    int m_string = 0;
    int m_number = 0;
    int m_operator = 0;
    std::unordered_map<std::string, int, Hash, std::equal_to<>> m_words;
};
