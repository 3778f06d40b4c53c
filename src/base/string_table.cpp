#include "base/string_table.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace StringTable {

namespace {

struct Entry {
    int number;
    std::u16string_view text;
};

// Sorted by number. Blanks at either end belong to the text, and the spelling stays as the
// program has always shown it, mistakes included.
constexpr std::array kEntries = {
    Entry{1000, u"File"},
    Entry{1001, u"New"},
    Entry{1002, u"Open"},
    Entry{1003, u"Close"},
    Entry{1004, u"Save"},
    Entry{1005, u"Save As"},
    Entry{1006, u"Go To"},
    Entry{1007, u"Translate"},
    Entry{1008, u"Line numbers"},
    Entry{1009, u"Refresh"},
    Entry{1010, u"Print"},
    Entry{1011, u"OPLTRAN"},
    Entry{1012, u"Quit"},
    Entry{1013, u"Edit"},
    Entry{1014, u"Undo"},
    Entry{1015, u"Cut"},
    Entry{1016, u"Copy"},
    Entry{1017, u"Paste"},
    Entry{1018, u"Settings"},
    Entry{1019, u"View"},
    Entry{1020, u"Palette"},
    Entry{1021, u"Statusbar"},
    Entry{1024, u"Please save yor work first!"},
    Entry{1025, u"Window"},
    Entry{1026, u"New"},
    Entry{1027, u"Over"},
    Entry{1028, u"Order"},
    Entry{1029, u"Deck"},
    Entry{1030, u"Sort"},
    Entry{1031, u"&?"},
    Entry{1032, u"OPL Help"},
    Entry{1033, u">>>> TRANSLATING <<<<"},
    Entry{1034, u"About"},
    Entry{1035, u"New"},
    Entry{1036, u"Open"},
    Entry{1037, u"Save"},
    Entry{1038, u"Print"},
    Entry{1039, u"Undo"},
    Entry{1040, u"Redo"},
    Entry{1041, u"Search"},
    Entry{1042, u"Cut"},
    Entry{1043, u"Copy"},
    Entry{1044, u"Paste"},
    Entry{1045, u"Increase Indent"},
    Entry{1046, u"Decrease Indent"},
    Entry{1047, u"Comment"},
    Entry{1048, u"Uncomment"},
    Entry{1050, u" Line "},
    Entry{1051, u"Translation successfull"},
    Entry{1053, u"OPLCommands.rtf not found!"},
    Entry{1055, u"Tamro"},
    Entry{1056, u"Files"},
    Entry{1057, u"All Files"},
    Entry{1058, u" was changed. Save?"},
    Entry{1059, u"OPLTRAN.EXE Path "},
    Entry{1060, u"Include Path "},
    Entry{1061, u"Output Path "},
    Entry{1062, u"Cancel"},
    Entry{1063, u"OPL source code editor with syntax coloring and code completion"},
    Entry{1064, u"This program is provided as is, without warranty of any kind, express or "
                u"implied. You use it at your own risk; the authors are not liable for any "
                u"damage or loss of data it may cause."},
    Entry{1065, u"Name"},
    Entry{1066, u"allready reserved!"},
    Entry{1067, u"File not found!"},
    Entry{1068, u"Choose a file to convert:"},
    Entry{1069, u"Convert OPL<-> Plain Text"},
    Entry{1071, u"Time to wait for OPLTRAN.EXE [sec.]:"},
    Entry{1072, u"On"},
    Entry{1073, u"Off"},
    Entry{1074, u"Font:"},
    Entry{1076, u"Name"},
    Entry{1077, u"Value"},
    Entry{1078, u"Navigator"},
    Entry{1079, u"Search and Replace"},
    Entry{1080, u"Project"},
    Entry{1081, u"Global Variables"},
    Entry{1082, u"Constants"},
    Entry{1083, u"Labels"},
    Entry{1084, u"Procedures"},
    Entry{1085, u"Execute Command"},
    Entry{1086, u"Color of Line Numbers"},
    Entry{1087, u"Color of Global Variables"},
    Entry{1088, u"Color of Procedures"},
    Entry{1089, u"Color of Labels"},
    Entry{1090, u"Color of Constants"},
    Entry{1091, u"Color of Comments"},
    Entry{1092, u"Color of Strings"},
    Entry{1093, u"Color of Keywords"},
    Entry{1094, u"Color of Operands"},
    Entry{1095, u"Color of Text"},
    Entry{1096, u"Color of Numbers"},
    Entry{1097, u"Line: "},
    Entry{1098, u"Column: "},
    Entry{1099, u"Find matching"},
    Entry{1100, u"Search for undefined externals"},
    Entry{1101, u" is complete!"},
    Entry{1102, u" Unknown elements was found!"},
    Entry{1103, u"OPLTRAN.EXE not found at the specified path!"},
};

static_assert(std::is_sorted(kEntries.begin(), kEntries.end(),
                             [](const Entry &a, const Entry &b) { return a.number < b.number; }));

} // namespace

std::optional<QString> find(int number) {
    const auto it =
        std::lower_bound(kEntries.begin(), kEntries.end(), number,
                         [](const Entry &entry, int wanted) { return entry.number < wanted; });
    if (it == kEntries.end() || it->number != number)
        return std::nullopt;
    return QString::fromUtf16(it->text.data(), it->text.size());
}

QString text(int number) {
    return find(number).value_or(QString());
}

} // namespace StringTable
